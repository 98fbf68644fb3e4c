#!/usr/bin/env bash
# The monitor on a Wayland compositor (a headless Weston): it starts, runs, and at SIGTERM
# writes its close batch without overwriting the saved x and y with the 0,0 that Qt reports
# where the compositor keeps window positions to itself.
# Usage: wayland_e2e.sh <Tarnwick>. Skipped (77) where Weston or Qt's Wayland plugin is missing.
set -euo pipefail
monitor=$1
command -v weston >/dev/null || { echo "SKIP: no weston"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "SKIP: no qt6-wayland"; exit 77; }

work=$(mktemp -d)
weston_pid=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/tarnwick" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=tarnwick-e2e --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 50); do
  [ -S "$XDG_RUNTIME_DIR/tarnwick-e2e" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/tarnwick-e2e" ] || fail "weston did not start: $(cat "$work/weston.log")"

cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
printf '[main]\nx=300\ny=200\n' >"$cfg"
WAYLAND_DISPLAY=tarnwick-e2e QT_QPA_PLATFORM=wayland "$monitor" >"$work/monitor.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the monitor ended on Wayland: $(cat "$work/monitor.log")"
kill -TERM "$pid"
wait "$pid" || fail "the monitor ended with $?: $(cat "$work/monitor.log")"
pid=""
main=$(sed -n '/^\[main\]/,/^\[/p' "$cfg")
grep -q '^visible=1$' <<<"$main" || fail "no close batch was written: $main"
grep -q '^x=300$' <<<"$main" && grep -q '^y=200$' <<<"$main" ||
  fail "the saved position was overwritten: $main"
echo "ok: on Wayland the monitor ran and kept x=300 y=200"
