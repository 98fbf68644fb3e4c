#!/usr/bin/env bash
# Pictures of the monitor window with each shipped skin, with two indicators and with the
# diagram, for fixed readings: <out>/<skin>-indicators.png and <skin>-diagram.png. The window is
# drawn off screen on fake figures, so two builds can be compared pixel for pixel
# (compare -metric AE a.png b.png null: prints 0 for the same picture).
# Usage: tools/screenshot-skins.sh [out] [clock] [offset <percent>]   (default screenshots/skins)
#   clock: the load is sampled on a sampling clock, as on Linux, instead of the window's timer
#   offset: every load is that much higher, to see that a comparison catches a change
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots/skins}
shift || true
cmake --build build --target monitor_shots >/dev/null
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen \
  build/bin/monitor_shots "$out" "$@" 2> >(grep -v 'This plugin does not support' >&2)
echo "Screenshots saved to $out"
