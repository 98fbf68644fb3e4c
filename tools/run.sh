#!/usr/bin/env bash
# Builds and starts the monitor. Where no display exists (a fresh server, CI) it starts the
# monitor on a private virtual display with a tray host instead, saves a screenshot of it and
# says where.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target Tarnwick tarnwick_shipped_skins

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/Tarnwick
fi

source tools/xsession.sh
start_private_display
trap stop_private_display EXIT
build/bin/Tarnwick &
monitor=$!
sleep 3
mkdir -p screenshots
import -window root -crop 400x300+0+0 screenshots/monitor.png
kill -TERM "$monitor"
wait "$monitor" || true
echo "No display here, so Tarnwick ran on a private virtual display ($DISPLAY) for 3 seconds."
echo "Screenshot of it: $(pwd)/screenshots/monitor.png"
