#!/usr/bin/env bash
# The real monitor on a private X server with a tray host:
#   - the window appears at (100, 100) with the built-in size;
#   - a second copy with onecopy=1 ends at once with code 0;
#   - a refresh broadcast after changing mode in the file switches the display mode;
#   - a drag with the left button moves the window (Xvfb has no window manager, so the monitor
#     moves itself) and docks it to the screen's left edge;
#   - closing the program (the session's SIGTERM) writes x, y and [main] visible;
#   - with a folder in place of tarnwick.cfg, SIGTERM still ends the program at once: the close
#     batch's write error goes to standard error, not into a box nobody answers.
# Usage: monitor_e2e.sh <Tarnwick> <refresh_tool> <source folder>
set -euo pipefail
monitor=$1
refresh=$2
source "$3/tools/xsession.sh"

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_private_display
# Start on the built-in look: an empty skin folder.
mkdir -p "$work/noskins" "$XDG_CONFIG_HOME/tarnwick"
printf '[skins]\nskinpath=%s/noskins/\n' "$work" >"$cfg"

"$monitor" &
pid=$!
window=$(find_visible_window Tarnwick) || fail "no monitor window appeared"
sleep 0.5
read_geometry() {
  geometry=$(xwininfo -id "$window")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
  w=$(awk '/Width:/ {print $2}' <<<"$geometry")
  h=$(awk '/Height:/ {print $2}' <<<"$geometry")
}
read_geometry
[ "$x,$y" = "100,100" ] || fail "window at $x,$y, expected 100,100"
[ "$w"x"$h" = "50x39" ] || fail "window is ${w}x$h, expected the built-in 50x39"
echo "ok: window at 100,100, 50x39"

# Between the two gauges of the built-in look lies one row of background; the diagram covers it.
pixel() {
  import -window "$window" "$work/shot.png" 2>/dev/null
  convert "$work/shot.png" -format '%[fx:int(255*p{25,19}.r)],%[fx:int(255*p{25,19}.g)],%[fx:int(255*p{25,19}.b)]' info:
}
[ "$(pixel)" = "0,0,0" ] || fail "two-indicator mode expected, pixel is $(pixel)"

printf '[main]\nonecopy=1\n' >>"$cfg"
set +e
timeout 10 "$monitor"
code=$?
set -e
[ $code -eq 0 ] || fail "second copy ended with $code"
kill -0 "$pid" || fail "the first copy ended"
echo "ok: second copy ended at once with 0"

sed -i 's/^\[main\]$/[main]\nmode=1/' "$cfg"
handled=$("$refresh" TarnwickRefreshOptions)
[ "$handled" = "1" ] || fail "$handled monitors handled the refresh"
sleep 0.3
[ "$(pixel)" != "0,0,0" ] || fail "the refresh did not switch to the diagram"
echo "ok: refresh switched to one diagram"

# Grab the window 10 pixels in and drag its left edge to 5: docking puts it at 0.
xdotool mousemove 110 110
xdotool mousedown 1
sleep 0.1
xdotool mousemove 60 110
sleep 0.1
xdotool mousemove 15 110
sleep 0.1
xdotool mouseup 1
sleep 0.3
read_geometry
[ "$x,$y" = "0,100" ] || fail "dragged window at $x,$y, expected docked at 0,100"
echo "ok: the drag docked the window to the left edge"

kill -TERM "$pid"
wait "$pid" || fail "monitor ended with $?"
pid=""
main_keys=$(awk '/^\[/ {section=$0} section=="[main]"' "$cfg")
grep -qx 'x=0' <<<"$main_keys" && grep -qx 'y=100' <<<"$main_keys" &&
  grep -qx 'visible=1' <<<"$main_keys" || fail "close did not write x, y and visible: $(cat "$cfg")"
echo "ok: closing wrote x, y and visible"

# A folder where the settings file should be: the close batch cannot be written. At the end of
# a session nobody answers a box, so the error is logged and the program ends.
rm -f "$cfg"
mkdir "$cfg"
"$monitor" 2>"$work/stderr" &
pid=$!
find_visible_window Tarnwick >/dev/null || fail "no monitor window appeared with a folder as settings file"
started=$(date +%s%N)
kill -TERM "$pid"
# A box would wait forever; allow a slow machine 5 s before calling it a hang.
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 5 s after SIGTERM with an unwritable settings file"
wait "$pid" || true
pid=""
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
grep -q "tarnwick.cfg" "$work/stderr" || fail "the write error was not logged: $(cat "$work/stderr")"
echo "ok: SIGTERM with an unwritable settings file ended the program in $elapsed_ms ms and logged the error"
