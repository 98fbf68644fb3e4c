#!/usr/bin/env bash
# Both programs on a Wayland compositor with XWayland (a headless Weston), started as a
# desktop starts them: WAYLAND_DISPLAY and DISPLAY set, no QT_QPA_PLATFORM.
#   - the monitor shows an X11 window on the XWayland display, asking to stay above other
#     windows, out of the taskbar and the pager, with its opacity; it says once why. Weston's
#     own X11 window manager replaces the states with the few it knows, so the test watches
#     what the window asked for as it asks;
#   - the settings program runs on X11 as well;
#   - with QT_QPA_PLATFORM=wayland (the user's choice) the monitor stays native: no X11
#     window, and at SIGTERM the close batch keeps the saved x and y instead of the 0,0 that
#     Qt reports where the compositor keeps window positions to itself.
# Usage: wayland_e2e.sh <Tarnwick> <TarnwickCfg> <map_watch> <source folder>.
# Skipped (77) where Weston, XWayland or Qt's Wayland plugin is missing.
set -euo pipefail
monitor=$1
settings=$2
watch=$3
source "$4/tools/xsession.sh"
command -v weston >/dev/null || { echo "SKIP: no weston"; exit 77; }
command -v Xwayland >/dev/null || { echo "SKIP: no Xwayland"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "SKIP: no qt6-wayland"; exit 77; }

make_private_user
weston_pid=""
pid=""
watch_pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM XDG_SESSION_TYPE DISPLAY
mkdir -p "$work/noskins"
# XWayland's sockets live in the system-wide X socket folder, which a fresh machine may lack.
[ -d /tmp/.X11-unix ] || { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; }
weston --backend=headless-backend.so --socket=tarnwick-e2e --idle-time=0 --xwayland \
  >"$work/weston.log" 2>&1 &
weston_pid=$!
xdisplay() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log"; }
wait_until 10 test -S "$XDG_RUNTIME_DIR/tarnwick-e2e" && wait_until 10 test -n "$(xdisplay)" ||
  fail "weston did not start with XWayland: $(cat "$work/weston.log")"
export WAYLAND_DISPLAY=tarnwick-e2e DISPLAY
DISPLAY=$(xdisplay)

cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
printf '[main]\nx=300\ny=200\npopup=1\ntransparent=50\n[skins]\nskinpath=%s/noskins/\n' \
  "$work" >"$cfg"
# XWayland starts on the first X client, which may take a moment.
"$watch" 40 >"$work/watch.log" &
watch_pid=$!
wait_until 20 grep -q watching "$work/watch.log" || fail "no XWayland display answered"
"$monitor" 2>"$work/monitor.err" &
pid=$!
window=$(find_visible_window Tarnwick 20) || fail "no X11 monitor window: $(cat "$work/monitor.err")"
id=$(printf '0x%x' "$window")
asked_states() {
  grep "^_NET_WM_STATE $id " "$work/watch.log" | grep _NET_WM_STATE_ABOVE |
    grep _NET_WM_STATE_SKIP_TASKBAR | grep -q _NET_WM_STATE_SKIP_PAGER
}
wait_until 5 asked_states || fail "the window asked for: $(grep "$id" "$work/watch.log")"
echo "ok: $(grep "^_NET_WM_STATE $id " "$work/watch.log" | grep _NET_WM_STATE_ABOVE | head -n1)"
# 50 % is 128 of 255: 128/255 of 0xFFFFFFFF.
wait_until 5 grep -q "^_NET_WM_WINDOW_OPACITY $id 2155905152$" "$work/watch.log" ||
  fail "no opacity: $(grep "$id" "$work/watch.log")"
echo "ok: opacity 50 %"
[ "$(wc -l <"$work/monitor.err")" -eq 1 ] && grep -q '^Tarnwick: .*XWayland' "$work/monitor.err" ||
  fail "the monitor said: $(cat "$work/monitor.err")"
echo "ok: said once: $(cat "$work/monitor.err")"
kill -TERM "$pid"
wait "$pid" || fail "the monitor ended with $?"
pid=""

"$settings" 2>"$work/settings.err" &
pid=$!
find_visible_window "Tarnwick Settings" 20 >/dev/null ||
  fail "no X11 settings window: $(cat "$work/settings.err")"
echo "ok: the settings program runs on X11 too"
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=""

# Weston placed the X11 window itself, and the close batch saved where it really stood.
printf '[main]\nx=300\ny=200\n[skins]\nskinpath=%s/noskins/\n' "$work" >"$cfg"
QT_QPA_PLATFORM=wayland "$monitor" >"$work/monitor.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the monitor ended on Wayland: $(cat "$work/monitor.log")"
[ -z "$(xdotool search --name '^Tarnwick$' 2>/dev/null)" ] ||
  fail "the user's QT_QPA_PLATFORM=wayland gave an X11 window"
kill -TERM "$pid"
wait "$pid" || fail "the monitor ended with $?: $(cat "$work/monitor.log")"
pid=""
main=$(sed -n '/^\[main\]/,/^\[/p' "$cfg")
grep -q '^visible=1$' <<<"$main" || fail "no close batch was written: $main"
grep -q '^x=300$' <<<"$main" && grep -q '^y=200$' <<<"$main" ||
  fail "the saved position was overwritten: $main"
echo "ok: natively on Wayland the monitor kept x=300 y=200"
