#!/usr/bin/env bash
# The real monitor on a headless sway, where it runs natively as a layer surface, beside an
# ordinary window that sway spreads over the output and focuses:
#   - started with x=300 y=200 popup=1 it shows at 300,200 above the focused window, and sway
#     lists it among no windows;
#   - with the information hint on, the hint shows over the screen when the pointer comes in,
#     and goes after its time;
#   - the right button opens its menu, and a click elsewhere closes it;
#   - a drag with the left button moves it, and SIGTERM saves where it stands;
#   - clicked, it takes the keyboard: Shift+F10 opens the menu, and "Always on top" chosen by
#     keys writes popup=0, after which the focused window covers the monitor.
# Usage: monitor_sway_e2e.sh <Tarnwick> <layer_window> <wl_pointer> <source folder>.
# SWAY_SHOTS=FOLDER keeps the screenshots. Skipped (77) where sway, grim, wtype or Qt's
# Wayland plugin is missing or sway cannot start.
set -euo pipefail
monitor=$1
below=$2
pointer=$3
source "$4/tools/xsession.sh"
source "$4/tests/e2e/sway_session.sh"
need_tools grim convert
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "SKIP: no qt6-wayland"; exit 77; }

make_private_user
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  stop_sway
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_sway
hold_sway_devices "$pointer"

# The session the monitor sees: a Wayland one without an X server.
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
export XDG_CONFIG_HOME=$work/config
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
mkdir -p "$XDG_CONFIG_HOME/tarnwick" "$work/noskins"

# An ordinary window, spread over the output and focused (its blue shows wherever nothing
# covers it).
blue="0,64,255"
"$below" --toplevel-only >/dev/null 2>&1 &
pids+=($!)
# pixel_is X Y COLOUR, pixel_is_not X Y COLOUR: the output's pixel at X, Y now.
pixel_is() { [ "$(sway_pixel "$1" "$2")" = "$3" ]; }
pixel_is_not() { [ "$(sway_pixel "$1" "$2")" != "$3" ]; }
wait_until 10 pixel_is 600 600 "$blue" || fail "the ordinary window did not show"

# The built-in look (an empty skin folder): 50x39, with a black row between the gauges at
# 25,19 of the window.
# start_monitor X Y [LINE...]: the LINEs go into [main].
start_monitor() {
  printf '[skins]\nskinpath=%s/noskins/\n[main]\nx=%s\ny=%s\npopup=1\n' "$work" "$1" "$2" >"$cfg"
  printf '%s\n' "${@:3}" >>"$cfg"
  "$monitor" 2>"$work/monitor.err" &
  monitor_pid=$!
  pids+=("$monitor_pid")
  wait_until 10 pixel_is $(($1 + 25)) $(($2 + 19)) "0,0,0" ||
    fail "the monitor does not show at $1,$2: $(cat "$work/monitor.err")"
}
stop_monitor() {
  kill -TERM "$monitor_pid"
  wait "$monitor_pid" || fail "the monitor ended with $? on SIGTERM"
}

start_monitor 300 200 info=1 infoshow=200 infohide=1500
pixel_is 299 199 "$blue" || fail "the monitor begins before 300,200"
echo "ok: at 300,200 above the focused window"
views=$(swaymsg -t get_tree | grep -c '"app_id"')
[ "$views" -eq 1 ] || fail "sway lists $views windows: $(swaymsg -t get_tree | grep '"name"')"
echo "ok: no window of sway's"

"$pointer" move 310 205
wait_until 5 pixel_is_not 450 250 "$blue" || fail "no information hint"
wait_until 5 pixel_is 450 250 "$blue" || fail "the hint stayed past its time"
echo "ok: the information hint shows below the pointer and goes"

"$pointer" click 310 205 right
wait_until 5 pixel_is_not 400 300 "$blue" || fail "no menu at the pointer after the right button"
"$pointer" click 800 600
wait_until 5 pixel_is 400 300 "$blue" || fail "a click elsewhere left the menu open"
echo "ok: the right button opens the menu, a click elsewhere closes it"

"$pointer" drag 310 205 510 405
wait_until 5 pixel_is 525 419 "0,0,0" || fail "the drag did not move the monitor"
stop_monitor
grep -q '^x=500$' "$cfg" && grep -q '^y=400$' "$cfg" ||
  fail "SIGTERM saved $(grep -E '^(x|y)=' "$cfg" | tr '\n' ' ')instead of 500,400"
echo "ok: dragged to 500,400, and SIGTERM saved it"

start_monitor 300 200
"$pointer" click 310 205
# The click hands the keyboard to the monitor through the compositor; keys typed before it
# has taken it go to the other window, so Shift+F10 is typed again until the menu shows.
menu_shown=no
for _ in 1 2 3 4 5; do
  wtype -M shift -k F10 -m shift
  wait_until 2 pixel_is_not 400 300 "$blue" && { menu_shown=yes; break; }
done
[ "$menu_shown" = yes ] || fail "Shift+F10 opened no menu"
wtype p t  # "Parameters", then "Always on top"
wait_until 5 eval 'grep -q "^popup=0$" "$cfg"' || fail "choosing 'Always on top' wrote no popup=0"
wait_until 5 pixel_is 325 219 "$blue" ||
  fail "with popup=0 the focused window does not cover the monitor"
echo "ok: Shift+F10 and the keys choose 'Always on top'; below the window with popup=0"
stop_monitor
[ ! -s "$work/monitor.err" ] || fail "the monitor said: $(cat "$work/monitor.err")"
