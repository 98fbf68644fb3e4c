#!/usr/bin/env bash
# What the monitor costs while it runs: starts it with default settings on a private Xvfb
# with a tray host, reports the time to its window, then after the given seconds (default
# 60) the processor time it used (from /proc/PID/stat) and its peak resident memory.
# Usage: tools/monitor-cost.sh [seconds] [Tarnwick binary]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
monitor=${2:-build/bin/Tarnwick}
source tools/xsession.sh
work=$(mktemp -d)
trap 'kill -TERM $pid 2>/dev/null; wait 2>/dev/null; stop_private_display; rm -rf "$work"' EXIT
start_private_display
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

start=$(date +%s.%N)
"$monitor" &
pid=$!
until xdotool search --onlyvisible --name '^Tarnwick$' >/dev/null 2>&1; do sleep 0.01; done
shown=$(date +%s.%N)
awk -v a="$start" -v b="$shown" 'BEGIN {printf "start-up to the window on the screen: %d ms\n", (b - a) * 1000}'
ticks_before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep "$seconds"
ticks_after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
hz=$(getconf CLK_TCK)
awk -v t=$((ticks_after - ticks_before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN {printf "processor time in %d s after start-up: %.2f s (%.3f %% of one core)\n", s, t / hz, 100 * t / hz / s}'
grep -E 'VmHWM|VmRSS' "/proc/$pid/status"
