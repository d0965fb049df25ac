#!/usr/bin/env bash
# Rebuilds the PNG pictures of resources/ from draw_pictures.cpp. The pictures are committed, so
# the build needs neither this script nor the drawing program.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# shellcheck disable=SC2046
g++ -std=c++20 -fPIC -O1 -o "$work/draw_pictures" "$here/draw_pictures.cpp" \
  $(pkg-config --cflags --libs Qt6Gui)
"$work/draw_pictures" "$here"
