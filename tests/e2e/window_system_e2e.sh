#!/usr/bin/env bash
# The monitor and its window system, on a private X server without a window manager:
#   - with no display at all, both programs say so in one line and end with 1;
#   - a 50 % transparent window sets its opacity again after it is mapped (GNOME's window
#     manager reads it only from a mapped window); on X11 the start says nothing.
# Usage: window_system_e2e.sh <Tarnwick> <TarnwickCfg> <map_watch> <source folder>
set -euo pipefail
monitor=$1
settings=$2
watch=$3
source "$4/tools/xsession.sh"

make_private_user
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
pid=""
watch_pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT

for program in "$monitor" "$settings"; do
  name=$(basename "$program")
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    timeout 10 "$program" >"$work/out" 2>"$work/err"
  code=$?
  set -e
  [ $code -eq 1 ] || fail "$name without a display ended with $code: $(cat "$work/err")"
  [ "$(cat "$work/err")" = "$name: cannot open the display" ] ||
    fail "$name without a display said: $(cat "$work/err")"
done
echo "ok: without a display both programs say so and end with 1"

start_private_display
mkdir -p "$work/noskins"
printf '[main]\ntransparent=50\n[skins]\nskinpath=%s/noskins/\n' "$work" >"$cfg"
"$watch" 30 >"$work/watch.log" &
watch_pid=$!
wait_until 5 grep -q watching "$work/watch.log" || fail "the watcher did not start"
"$monitor" 2>"$work/monitor.err" &
pid=$!
window=$(find_visible_window Tarnwick) || fail "no monitor window appeared"
id=$(printf '0x%x' "$window")
# 50 % is 128 of 255: 128/255 of 0xFFFFFFFF.
opacity="_NET_WM_WINDOW_OPACITY $id 2155905152"
after_map() { awk -v map="map $id" -v set="$opacity" '$0 == map {m++} $0 == set && m {n++} END {exit !(n >= 1)}' "$work/watch.log"; }
wait_until 5 after_map || fail "no opacity after the map: $(grep "$id" "$work/watch.log")"
echo "ok: the opacity is set again after the map"

[ -s "$work/monitor.err" ] && fail "the monitor said: $(cat "$work/monitor.err")"
exit 0
