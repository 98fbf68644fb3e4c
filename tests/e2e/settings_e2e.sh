#!/usr/bin/env bash
# The real monitor and the real settings program on a private X server with a tray host:
#   - "&One diagram" chosen in the settings window and "Ok" pressed with the keyboard: the
#     monitor shows the diagram once the settings program has ended, which it does only after
#     every monitor has acknowledged the refresh;
#   - the monitor's menu item "&Events editor" starts the settings program with the word
#     eventseditor: the events editor shows and the settings window stays hidden.
# Usage: settings_e2e.sh <Tarnwick> <TarnwickCfg> <source folder>
# The settings program must lie beside the monitor, which starts it from its own folder.
set -euo pipefail
monitor=$1
settings=$2
source "$3/tools/xsession.sh"
[ "$(dirname "$monitor")" = "$(dirname "$settings")" ] || {
  echo "FAIL: $settings does not lie beside $monitor" >&2
  exit 1
}

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tarnwick" "$XDG_RUNTIME_DIR" "$work/noskins"
chmod 700 "$XDG_RUNTIME_DIR"
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
ended() { ! kill -0 "$1" 2>/dev/null; }

start_private_display
# The built-in look (an empty skins folder) in two-indicator mode. Between its two gauges lies
# one row of background, black; the diagram covers it.
printf '[main]\nmode=2\n[skins]\nskinpath=%s/noskins/\n' "$work" >"$cfg"
"$monitor" &
monitor_pid=$!
pids+=("$monitor_pid")
window=$(find_visible_window Tarnwick) || fail "no monitor window appeared"
black() { [ "$(window_pixel "$window" 25 19)" = "0,0,0" ]; }
diagram() { ! black; }
wait_until 5 black || fail "the monitor did not start with two indicators"

# Case 1: the display mode changed in the settings window reaches the running monitor.
"$settings" &
cfgpid=$!
pids+=("$cfgpid")
settings_window=$(find_visible_window "Tarnwick Settings") || fail "no settings window appeared"
xdotool windowfocus --sync "$settings_window"
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$settings_window" ]; }
wait_until 5 focused || fail "the settings window did not get the keyboard"
# Page 1 is shown first; Alt+O chooses "&One diagram", Enter presses the default button "Ok".
xdotool key --clearmodifiers alt+o
sleep 0.2
xdotool key Return
wait_until 10 ended "$cfgpid" || fail "the settings program did not end after Ok"
wait "$cfgpid" || fail "the settings program ended with $?"
# The refresh was acknowledged before the program ended; the repaint follows at once.
wait_until 1 diagram || fail "the monitor still shows two indicators after Ok"
grep -qx 'mode=1' "$cfg" || fail "Ok did not write mode=1: $(cat "$cfg")"
echo "ok: Ok in the settings window switched the running monitor to the diagram"

# Case 2: the monitor's menu item starts the settings program on its events editor.
# Each menu is a window of the monitor's own; a key goes to a menu only once it shows.
menus_shown() { [ "$(xdotool search --onlyvisible --pid "$monitor_pid" 2>/dev/null | wc -l)" -gt "$1" ]; }
xdotool mousemove 125 119 click 3
wait_until 5 menus_shown 1 || fail "no popup menu on the right button"
# "&Events" opens the submenu, "&Events editor" in it starts the program.
xdotool key e
wait_until 5 menus_shown 2 || fail "\"&Events\" opened no submenu"
xdotool key e
editor=$(find_visible_window "Events editor") ||
  fail "no events editor appeared after the menu item"
editor_pid=$(xdotool getwindowpid "$editor")
pids+=("$editor_pid")
command_line=$(tr '\0' ' ' <"/proc/$editor_pid/cmdline")
expected="$(readlink -f "$settings") eventseditor "
[ "$command_line" = "$expected" ] ||
  fail "the menu item started '$command_line', expected '$expected'"
if xdotool search --onlyvisible --name '^Tarnwick Settings$' >/dev/null 2>&1; then
  fail "the settings window shows beside the events editor"
fi
echo "ok: \"&Events editor\" started the settings program on its events editor"
