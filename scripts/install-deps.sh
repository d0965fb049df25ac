#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian 12's own packages, what one or more kinds of work need and this machine
# lacks. Safe to run again: it asks apt only when something is missing.
#   scripts/install-deps.sh GROUP...
#     build     compiler, CMake, Qt and libxml2: building and running the program
#     test      GoogleTest, a virtual X display, the desktop-file validators the tests use and
#               the tools that open the saved family pictures (SVG, PDF)
#     fuzz      clang and its fuzzing runtime
#     package   building, checking (lintian) and trying out the Debian package
#     screenshots   a virtual X display, the tools that drive and photograph it, a dark theme
# Without root and without sudo it changes nothing: it says what to run as root and stops.
set -euo pipefail

packages_of() {
  case "$1" in
    build) echo cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxml2-dev \
      qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libqt6svg6 qt6-svg-dev ;;
    test) echo libgtest-dev xvfb xdotool xauth desktop-file-utils appstream python3 python3-vobject \
      libgedcom-perl librsvg2-bin poppler-utils ;;
    fuzz) echo clang libclang-rt-14-dev ;;
    package) echo dpkg-dev file desktop-file-utils appstream lintian devscripts xvfb xdotool xauth ;;
    screenshots) echo xvfb xdotool xauth imagemagick adwaita-qt6 ;;
    *) return 1 ;;
  esac
}

if [ "$#" -eq 0 ]; then
  echo "usage: $0 build|test|fuzz|package|screenshots..." >&2
  exit 2
fi

wanted=()
for group in "$@"; do
  if ! list="$(packages_of "$group")"; then
    echo "$0: unknown group \"$group\" (build, test, fuzz, package, screenshots)" >&2
    exit 2
  fi
  read -r -a names <<<"$list"
  wanted+=("${names[@]}")
done

missing=()
for p in "${wanted[@]}"; do
  case " ${missing[*]} " in *" $p "*) continue ;; esac
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" = "install ok installed" ] ||
    missing+=("$p")
done
[ "${#missing[@]}" -gt 0 ] || exit 0

install_command="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Run as root: $install_command" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
