#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tarnwick need.
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6dbus6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libasound2-dev libxcb1-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth trayer openbox xdotool x11-utils x11-apps imagemagick desktop-file-utils libglib2.0-bin
  dbus-daemon at-spi2-core python3-pyatspi
  dpkg-dev fakeroot file lintian appstream
  weston xwayland qt6-wayland python3 fonts-dejavu-core
  libwayland-dev libwayland-bin qt6-base-private-dev sway grim wtype
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
