#!/usr/bin/env bash
# What a screen reader meets, read through AT-SPI on a private display and session bus with
# accessibility on (access_tree.py does the reading and tells the rules):
#   settings: every page of the settings window, every step of the skin editor and the events
#     editor with each kind of action: every control that takes the focus has a name that tells
#     it from its neighbours, and Tab reaches every colour panel, font panel and link; each
#     page's controls and their Tab order are printed;
#   menu: the monitor's popup menu, opened twenty times with Shift+F10: each time Down
#     highlights its first item, which tells a screen reader that it has the focus.
# Usage: access_e2e.sh <Tarnwick> <TarnwickCfg> <source folder> [settings|menu]; both parts
# without the last word. Skipped (77) without the AT-SPI tools (at-spi2-core, python3-pyatspi).
set -euo pipefail
monitor=$1
settings=$2
source_dir=$3
part=${4:-all}
source "$source_dir/tools/xsession.sh"
helper=$source_dir/tests/e2e/access_tree.py
python=/usr/bin/python3  # the system's, which has the AT-SPI bindings
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || { echo "SKIP: no at-spi-bus-launcher"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no python3-pyatspi"; exit 77; }
for tool in dbus-daemon gdbus Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done

make_private_user
mkdir -p "$work/noskins"
pid="" bus_pid="" launcher_pid=""
cleanup() {
  for p in $pid $launcher_pid $bus_pid; do kill "$p" 2>/dev/null || true; done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT

start_private_display notray
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
bus_pid=$!
wait_until 5 test -s "$work/bus" || fail "no private session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
# The accessibility bus with its registry, and Qt's bridge to it whatever the desktop says.
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
a11y_bus() { gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1; }
wait_until 5 a11y_bus || fail "no accessibility bus: $(cat "$work/launcher.log")"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# check TITLE HELPER-WORDS PROGRAM [ARGUMENTS...]: starts the program, gives its window titled
# TITLE the keyboard and runs the helper with those words (split at spaces) on it; answers
# the helper's status.
check() {
  local title=$1 words=$2 window status=0
  shift 2
  "$@" >>"$work/programs.log" 2>&1 &
  pid=$!
  window=$(find_visible_window "$title" 15) || fail "no window '$title' appeared"
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window '$title' took no focus"
  # shellcheck disable=SC2086
  "$python" "$helper" $words || status=$?
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  [ "$status" -ne 2 ] || fail "the helper found no window '$title': $(tail -n5 "$work/programs.log")"
  return "$status"
}

failed=0
if [ "$part" = all ] || [ "$part" = settings ]; then
  check "Tarnwick Settings" settings "$settings" || failed=1
  check "Skins editor" skineditor "$settings" skineditor || failed=1
  check "Events editor" eventseditor "$settings" eventseditor || failed=1
fi
if [ "$part" = all ] || [ "$part" = menu ]; then
  # Two gauges whose readings change: the processor and the free operative memory.
  printf '[main]\nmode=2\n[indicator1]\ntype=1\n[indicator2]\ntype=8\n[skins]\nskinpath=%s/noskins/\n' \
    "$work" >"$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg"
  check Tarnwick "menu 20" "$monitor" || failed=1
fi
[ "$failed" -eq 0 ] || fail "see the lines starting with FAIL above"
echo "ok: $part"
