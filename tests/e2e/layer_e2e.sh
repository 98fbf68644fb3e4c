#!/usr/bin/env bash
# A window made a layer surface by the platform code, on a headless sway with an ordinary blue
# window spread over the output:
#   - the orange window's top-left corner is at 300,200, above the blue one (the top layer);
#   - sway lists it among no windows: only the blue one is a toplevel;
#   - moved to 500,400 it shows there and no longer at 300,200;
#   - on the bottom layer the blue window hides it;
#   - again with the protocol's first version, where a layer cannot change live: the surface
#     is made anew on the bottom layer, then on the top one, and shows again.
# Usage: layer_e2e.sh <layer_window> <source folder>. LAYER_E2E_SHOTS=FOLDER keeps the
# screenshots. Skipped (77) where sway, grim or Qt's Wayland plugin is missing or sway cannot
# start; sway refuses to run as root, so it runs as the unprivileged user "nobody".
set -euo pipefail
program=$1
source "$2/tools/xsession.sh"
source "$2/tests/e2e/sway_session.sh"
need_tools sway swaymsg grim setpriv convert
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
SWAY_SHOTS=${LAYER_E2E_SHOTS:-}

orange="255,128,0"
is_orange() { [ "$(sway_pixel "$1" "$2")" = "$orange" ]; }
expect_orange() { wait_until 5 is_orange "$1" "$2" || fail "$3: $1,$2 is $(sway_pixel "$1" "$2")"; }
expect_not_orange() {
  wait_until 5 eval '! is_orange '"$1 $2" || fail "$3: $1,$2 is still orange"
}
# say LINE: hands LINE to the program and waits for its answer.
say() {
  local answer
  echo "$1" >&"${COPROC[1]}"
  read -r -t 10 answer <&"${COPROC[0]}" || fail "no answer to '$1'"
  [ "$answer" = "done $1" ] || fail "'$1' answered '$answer'"
}
start() {
  local answer
  coproc "$program" --toplevel "$@" 2>"$work/program.err"
  for expected in available shown; do
    read -r -t 10 answer <&"${COPROC[0]}" || fail "the program said nothing: $(cat "$work/program.err")"
    [ "$answer" = "$expected" ] || fail "'$answer' instead of '$expected': $(cat "$work/program.err")"
  done
}
stop() {
  local pid=$COPROC_PID
  exec {COPROC[1]}>&-
  wait "$pid" || fail "the program ended with $?: $(cat "$work/program.err")"
  [ ! -s "$work/program.err" ] || fail "the program said: $(cat "$work/program.err")"
}

start
expect_orange 300 200 "not at 300,200 on the top layer"
is_orange 299 199 && fail "the window begins before 300,200"
echo "ok: the layer surface shows at 300,200 above the window"
views=$(swaymsg -t get_tree | grep -c '"app_id"')
[ "$views" -eq 1 ] || fail "sway lists $views windows: $(swaymsg -t get_tree | grep '"name"')"
echo "ok: the only toplevel is the ordinary window"
say "margins 500 400"
expect_orange 500 400 "not moved to 500,400"
expect_not_orange 300 200 "still at 300,200"
echo "ok: moved to 500,400"
say "layer bottom"
expect_not_orange 500 400 "not below the window on the bottom layer"
echo "ok: on the bottom layer the window covers it"
stop

start --version 1
expect_orange 300 200 "version 1: not at 300,200"
say "layer bottom"
expect_not_orange 300 200 "version 1: not below the window"
say "layer top"
expect_orange 300 200 "version 1: not shown again on the top layer"
echo "ok: with the first version the surface is made anew on another layer"
stop
