#!/usr/bin/env bash
# The monitor under a reparenting window manager (openbox), which may tell the program where
# its window stands before it has placed its frame:
#   - over ten starts, the close batch saves where the window stands, never 0,0;
#   - the first skin, given by a refresh while the window shows the built-in look, resizes the
#     window where it stands.
# Usage: window_manager_e2e.sh <Tarnwick> <refresh_tool> <source folder>.
# Skipped (77) where openbox is missing.
set -euo pipefail
monitor=$1
refresh=$2
source_dir=$3
source "$source_dir/tools/xsession.sh"
command -v openbox >/dev/null || { echo "SKIP: no openbox"; exit 77; }

make_private_user
mkdir -p "$work/noskins"
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
pid=""
wm_pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT

start_private_display
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until 5 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"

stands_at() {
  local geometry
  geometry=$(xwininfo -id "$1")
  [ "$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry"),$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")" = "$2" ]
}
# start_at X,Y: starts the monitor on the settings written and waits until its window stands
# at X,Y, settled; sets pid and window.
start_at() {
  "$monitor" &
  pid=$!
  window=$(find_visible_window Tarnwick) || fail "no monitor window appeared"
  wait_until 3 stands_at "$window" "$1" || fail "the window does not stand at $1"
  sleep 0.5
}

for run in $(seq 10); do
  printf '[main]\nx=400\ny=250\n[skins]\nskinpath=%s/noskins/\n' "$work" >"$cfg"
  start_at 400,250
  kill -TERM "$pid"
  wait "$pid" || fail "run $run: the monitor ended with $?"
  pid=""
  saved=$(grep '^[xy]=' "$cfg" | tr '\n' ' ')
  [ "$saved" = "x=400 y=250 " ] || fail "run $run saved $saved"
done
echo "ok: ten starts under openbox saved x=400 y=250"

printf '[main]\nx=300\ny=300\n[skins]\nskinpath=%s/skins/\n' "$source_dir" >"$cfg"
start_at 300,300
printf 'active=%s/skins/ember/ember.skin\n' "$source_dir" >>"$cfg"
[ "$("$refresh" TarnwickRefreshOptions)" = 1 ] || fail "the monitor did not take the refresh"
sleep 0.5
width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
[ "$width" != 50 ] || fail "the skin was not applied"
stands_at "$window" 300,300 ||
  fail "the first skin moved the window: $(xwininfo -id "$window" | grep Absolute | tr -s ' ')"
echo "ok: the first skin kept the window at 300,300"
