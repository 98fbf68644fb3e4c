#!/usr/bin/env bash
# An event made in the real events editor fires in the running monitor. On a private X server
# with a tray host the monitor starts with no events; "TarnwickCfg eventseditor" is driven with
# the mouse and keyboard to make "Busy processor" (processor usage more than 0 % for 1 s, a
# message of our own, no sound) and "Apply" writes it. The monitor keeps its old, empty table
# until the editor closes; closing broadcasts the refresh, the monitor's message box shows the
# event's text, and its Events menu has one entry more than before.
# Usage: events_e2e.sh <Tarnwick> <TarnwickCfg> <source folder> [<folder for pictures>]
set -euo pipefail
monitor=$1
settings=$2
source "$3/tools/xsession.sh"
source "$3/tests/support/xdrive.sh"
shots=${4:-}

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tarnwick" "$XDG_RUNTIME_DIR" "$work/noskins"
chmod 700 "$XDG_RUNTIME_DIR"
events=$XDG_CONFIG_HOME/tarnwick/events.cfg
monitor_pid="" settings_pid="" busy_pid=""
cleanup() {
  for pid in "$monitor_pid" "$settings_pid" "$busy_pid"; do
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -n "${DISPLAY:-}" ] && [ -n "$shots" ] && import -window root "$shots/events-e2e-failure.png" 2>/dev/null
  exit 1
}
message="The processor has been busy for a second: made in the events editor"
box_title='^Событие'  # the monitor's caption of an event's message

# The processor is never idle for the event's second, however quiet the machine.
# A subshell of ours (no child of its own), so the kill at the end stops it; it ends by itself
# after a minute in any case.
(
  end=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$end" ]; do :; done
) >/dev/null 2>&1 &
busy_pid=$!
printf '[skins]\nskinpath=%s/noskins/\n' "$work" >"$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg"

start_private_display
"$monitor" &
monitor_pid=$!
shown=$(find_visible_window Tarnwick 30) || fail "no monitor window appeared"

# The height of the monitor's Events submenu: the popup menu opens at the click, "Events" is
# its fifth item; the submenu opens beside it.
new_window() {  # the first visible window that is not in the list $1
  comm -13 <(echo "$1") <(xdotool search --onlyvisible --name '' 2>/dev/null | sort) | head -n1
}
events_menu_height() {
  local before menu submenu
  before=$(xdotool search --onlyvisible --name '' 2>/dev/null | sort)
  click "$shown" 20 20 3
  for _ in $(seq 50); do menu=$(new_window "$before"); [ -n "$menu" ] && break; sleep 0.1; done
  [ -n "$menu" ] || return 1
  before=$(xdotool search --onlyvisible --name '' 2>/dev/null | sort)
  click "$menu" 40 102
  for _ in $(seq 50); do submenu=$(new_window "$before"); [ -n "$submenu" ] && break; sleep 0.1; done
  [ -n "$submenu" ] || return 1
  sleep 0.2
  [ -n "$shots" ] && shoot "$submenu" "$shots/events-e2e-menu$1.png"
  xwininfo -id "$submenu" | awk '/Height:/ {print $2}'
  xdotool key Escape Escape
  wait_window_gone "$menu" 5
}
height_before=$(events_menu_height 1) || fail "the monitor's Events submenu did not open"

start=$SECONDS
"$settings" eventseditor &
settings_pid=$!
editor=$(wait_for_window '^Events editor' 30) || fail "no events editor appeared"
sleep 0.3
# Places in the editor (635 x 544, laid out on this display).
replace_text "$editor" 155 119 "Busy processor"  # "Event name"
replace_text "$editor" 161 221 0                 # "more than" ... "%"
replace_text "$editor" 90 251 0                  # "During:" hours, minutes, seconds
replace_text "$editor" 159 251 0
replace_text "$editor" 239 251 1
click "$editor" 155 322  # "Execute action"
sleep 0.3
xdotool key Down Return  # "Text message and sound signal"
click "$editor" 27 423   # "event is active"
sleep 0.2
click "$editor" 400 103  # "specify the message text"
replace_text "$editor" 460 150 "$message"
click "$editor" 336 513  # "permanently"
[ -n "$shots" ] && shoot "$editor" "$shots/events-e2e-editor.png"
click "$editor" 45 524   # "Apply"
for _ in $(seq 50); do grep -q '^count=1' "$events" 2>/dev/null && break; sleep 0.1; done
grep -qx 'count=1' "$events" || fail "Apply did not write the event"
grep -qx "line1=$message" "$events" && grep -qx 'action=1' "$events" && grep -qx 'sec=1' "$events" ||
  fail "Apply wrote another event: $(cat "$events")"
[ "$(count_windows '^Events editor')" = 1 ] || fail "Apply was refused with a message"
echo "ok: the editor wrote the event ($((SECONDS - start)) s)"

# The monitor works with its old table until the editor closes.
sleep 2.5
[ "$(count_windows "$box_title")" = 0 ] || fail "the event fired before the editor closed"
close_window "$editor"
wait_window_gone "$editor" 10 || fail "the events editor did not close"
box=$(wait_for_window "$box_title" 15) || fail "no message box of the event appeared"
owner=$(xprop -id "$box" _NET_WM_PID | awk '{print $3}')
[ "$owner" = "$monitor_pid" ] || fail "the message box belongs to process $owner, not the monitor"
sleep 0.3
[ -n "$shots" ] && shoot "$box" "$shots/events-e2e-message.png"
# The box's text cannot be read back on this platform; its size tells our one long line from
# the automatic text of three short ones.
size=$(xwininfo -id "$box" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "box $size"
[ "${size%x*}" -ge 380 ] && [ "${size#*x}" -le 110 ] ||
  fail "the message box is $size, not one line as long as the event's message"
echo "ok: the monitor shows the event's message ($((SECONDS - start)) s)"

main=$(wait_for_window '^Tarnwick Settings' 5) || fail "the settings window did not come back"
[ "$(xdotool getwindowname "$main")" = "Tarnwick Settings" ] ||
  fail "the settings window is titled $(xdotool getwindowname "$main")"

xdotool key Return  # the box's OK
wait_window_gone "$box" 5 || fail "the message box did not close"
height_after=$(events_menu_height 2) || fail "the monitor's Events submenu did not open again"
[ "$height_after" -gt "$height_before" ] ||
  fail "the Events submenu is $height_after high, as before ($height_before)"
echo "ok: the monitor's Events menu lists one event more ($((SECONDS - start)) s in all)"
