#!/usr/bin/env bash
# Installs, from Debian 12's own packages, whatever the build, the program and the tests need and
# this machine lacks. Safe to run again: it asks apt only when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libxml2-dev
  libgtest-dev
  xvfb xdotool xauth
  imagemagick
  dpkg-dev file desktop-file-utils appstream
  clang libclang-rt-14-dev
  python3 python3-vobject
  libqt6svg6
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
