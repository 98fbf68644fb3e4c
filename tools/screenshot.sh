#!/usr/bin/env bash
# Takes the README's screenshot from the real program: two monitors side by side on a private
# virtual display, one with two indicators and one with the diagram, each with a shipped skin.
# Usage: tools/screenshot.sh [output.png]   (default docs/monitor.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/monitor.png}
cmake --build build --target Tarnwick tarnwick_shipped_skins >/dev/null
source tools/xsession.sh
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null || true; done
  # Only the programs started here: a bare wait would wait for the display server too.
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display

start_monitor() {  # name x mode skin
  local home=$work/$1
  mkdir -p "$home/config/tarnwick" "$home/run"
  chmod 700 "$home/run"
  printf '[main]\nx=%s\ny=10\nmode=%s\n[skins]\nactive=%s\n[indicator1]\ntype=1\n[indicator2]\ntype=5\n[indicator3]\ntype=1\ntime=200\n' \
    "$2" "$3" "$(pwd)/build/bin/skins/$4" >"$home/config/tarnwick/tarnwick.cfg"
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run build/bin/Tarnwick &
  pids+=($!)
}
start_monitor two 10 2 ember/ember.skin
start_monitor diagram 170 1 ember/ember.skin
start_monitor flat 330 2 graphite/graphite.skin
# Some load for the diagram to draw, kept up until the picture is taken.
( while :; do :; done ) &
load=$!
pids+=("$load")
sleep 12
mkdir -p "$(dirname "$out")"
import -window root -crop 500x80+0+0 "$out"
echo "Screenshot saved to $out"
