#!/usr/bin/env bash
# Pictures of the settings program's windows as other desktops show them, on a private display:
# at 9, 11 and 14 pt and in a dark theme (at 9 pt), into screenshots/look/<name>-<page>.png.
# Usage: tools/screenshot-look.sh [output folder]   (default screenshots/look)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots/look}
cmake --build build --target look_shots tarnwick_shipped_skins >/dev/null
source tools/xsession.sh
work=$(mktemp -d)
cleanup() {
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display
xdotool mousemove 0 0  # not over a link of the centred windows
mkdir -p "$out" "$work/run"
chmod 700 "$work/run"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
for points in 9 11 14; do
  build/bin/look_shots "$out" "${points}pt" "$points"
done
build/bin/look_shots "$out" dark 9 dark
echo "Screenshots saved to $out"
