#!/usr/bin/env bash
# wl_pointer and wtype on a headless sway, against the orange layer surface of layer_window
# (160x120 at 300,200, over an ordinary window, asking for the keyboard when clicked):
#   - a left click at 320,230 reaches it at 20,30, and a key typed next reaches it (sway 1.7
#     gives such a surface the keyboard as soon as it shows and keeps it there even when the
#     window below is clicked, so there the click is not what gives it);
#   - a drag from 310,210 to 400,280 presses at 10,10 and releases at 100,80;
#   - a right click at 450,310 reaches it at 150,110.
# Usage: pointer_e2e.sh <layer_window> <wl_pointer> <source folder>. Skipped (77) where sway,
# wtype, grim or Qt's Wayland plugin is missing or sway cannot start.
set -euo pipefail
program=$1
pointer=$2
source "$3/tools/xsession.sh"
source "$3/tests/e2e/sway_session.sh"
need_tools wtype grim convert
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "SKIP: no qt6-wayland"; exit 77; }

make_private_user
cleanup() {
  [ -n "${COPROC_PID:-}" ] && kill "$COPROC_PID" 2>/dev/null
  stop_sway
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start_sway
hold_sway_devices "$pointer"

# expect LINE: the program's next line is LINE.
expect() {
  local line
  read -r -t 5 line <&"${COPROC[0]}" || fail "no '$1': $(cat "$work/program.err")"
  [ "$line" = "$1" ] || fail "'$line' instead of '$1'"
}
orange() { [ "$(sway_pixel 459 319)" = "255,128,0" ]; }

coproc "$program" --toplevel --keyboard --input 2>"$work/program.err"
expect available
expect shown
wait_until 5 orange || fail "the surface does not show at 300,200"

"$pointer" click 320 230
expect "press left 20 30"
expect "release left 20 30"
wtype b
expect "key b"
echo "ok: a click reaches the surface where it was made, and a key after it"

"$pointer" drag 310 210 400 280
expect "press left 10 10"
expect "release left 100 80"
echo "ok: a drag presses where it begins and releases where it ends"

"$pointer" click 450 310 right
expect "press right 150 110"
expect "release right 150 110"
echo "ok: a right click"
