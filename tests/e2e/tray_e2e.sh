#!/usr/bin/env bash
# The tray icon's mouse on both kinds of tray, each on a private session bus:
#   - an XEmbed tray (trayer; no StatusNotifierWatcher on the bus): a right click on the icon
#     opens the full menu, a click the short one, a double click hides the window without
#     opening a menu, and another shows it;
#   - a StatusNotifier tray (our sn_watcher; Xvfb without trayer): the icon registers with the
#     watcher and exports the full popup menu over DBusMenu, with its check marks; a click in
#     the exported menu reaches the monitor and the marks follow; SecondaryActivate (a middle
#     click) hides the window and shows it again, and so do two quick Activates (a double
#     click), while one opens the short menu; the window's right click still opens its menu;
#     the monitor opens no new bus connection while it runs; a tray that goes shows the
#     window, one that comes gets the icon; the item goes away when the monitor ends;
#   - the same item with the window on Wayland (a headless Weston), where Weston is installed.
# Usage: tray_e2e.sh <Tarnwick> <sn_watcher> <source folder>. Skipped (77) without the tools.
set -euo pipefail
monitor=$1
watcher=$2
source "$3/tools/xsession.sh"
for tool in dbus-daemon gdbus Xvfb trayer xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tarnwick" "$XDG_RUNTIME_DIR" "$work/noskins"
chmod 700 "$XDG_RUNTIME_DIR"
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
pid="" bus_pid="" watcher_pid="" weston_pid=""
cleanup() {
  for p in $pid $watcher_pid $weston_pid $bus_pid; do kill "$p" 2>/dev/null || true; done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
bus_pid=$!
wait_until 5 test -s "$work/bus" || fail "no private session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

# Processor usage in the tray, the window shown, the built-in look.
fresh_settings() {
  printf '[main]\nicons=1\nvisible=1\n[skins]\nskinpath=%s/noskins/\n' "$work" >"$cfg"
}
fresh_settings
# start_monitor [VARIABLE=VALUE...]: starts the monitor with these in its environment.
start_monitor() {
  env "$@" "$monitor" >>"$work/monitor.log" 2>&1 &
  pid=$!
}
stop_monitor() {
  kill -TERM "$pid"
  wait "$pid" || fail "the monitor ended with $?: $(cat "$work/monitor.log")"
  pid=""
}
# The monitor's visible windows: the window, the XEmbed icon and open menus. Only the window
# has a WM_NAME, which xdotool's --name matches; all have the title in _NET_WM_NAME.
monitor_windows() {
  local w
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Tarnwick ] && echo "$w"
  done
  return 0
}
# The monitor's visible window with the given size (WIDTHxHEIGHT).
window_of_size() {
  local w
  for w in $(monitor_windows); do
    xwininfo -id "$w" | grep -q "Width: ${1%x*}\$" && xwininfo -id "$w" | grep -q "Height: ${1#*x}\$" &&
      { echo "$w"; return 0; }
  done
  return 1
}
viewable() { xwininfo -id "$1" | grep -q 'IsViewable'; }
hidden() { ! viewable "$1"; }
# The heights of the open menus: the monitor's visible windows other than the main window and
# the icon.
menu_heights() {
  local w
  for w in $(monitor_windows); do
    [ "$w" = "$main" ] || [ "$w" = "${icon:-}" ] && continue
    xwininfo -id "$w" | awk '/Height:/ {print $2}'
  done
}
one_menu() { [ "$(menu_heights | wc -l)" -eq 1 ]; }
no_menu() { [ -z "$(menu_heights)" ]; }
# click_icon ARGS...: xdotool's click with ARGS on the icon, then the pointer leaves it, so no
# tool tip opens.
click_icon() {
  xdotool mousemove --window "$icon" 11 11 click "$@" mousemove 0 0
}

# XEmbed ------------------------------------------------------------------------------------
start_private_display
start_monitor
wait_until 10 window_of_size 50x39 >/dev/null || fail "no monitor window appeared"
main=$(window_of_size 50x39)
wait_until 10 window_of_size 22x22 >/dev/null || fail "no tray icon in the XEmbed tray"
icon=$(window_of_size 22x22)

click_icon 3
wait_until 5 one_menu || fail "a right click on the XEmbed icon opened $(menu_heights | wc -l) menus"
full=$(menu_heights)
xdotool key Escape
wait_until 5 no_menu || fail "the full menu did not close"
click_icon 1
wait_until 5 one_menu || fail "a click on the XEmbed icon opened no menu"
short=$(menu_heights)
[ "$short" -lt "$full" ] || fail "the click's menu ($short px) is not shorter than the full one ($full px)"
xdotool key Escape
wait_until 5 no_menu || fail "the short menu did not close"
echo "ok: XEmbed: a right click opens the full menu ($full px), a click the short one ($short px)"

click_icon --repeat 2 --delay 60 1
wait_until 5 hidden "$main" || fail "a double click on the XEmbed icon did not hide the window"
sleep 1  # longer than the double-click interval: a held-back click would open its menu now
no_menu || fail "a double click also opened a menu"
click_icon --repeat 2 --delay 60 1
wait_until 5 viewable "$main" || fail "a second double click did not show the window"
echo "ok: XEmbed: a double click hides the window, another shows it, and opens no menu"
stop_monitor
stop_private_display
icon=""

# StatusNotifier on X11 -------------------------------------------------------------------
"$watcher" >"$work/watcher.out" 2>&1 &
watcher_pid=$!
wait_until 5 grep -q '^ready$' "$work/watcher.out" || fail "the watcher did not start: $(cat "$work/watcher.out")"

# gdbus's answers are GVariant text: <(id, {'label': <'E_xit'>, ...}, [children])>.
call() { gdbus call --session -d "$service" -o "$1" -m "$2" -- "${@:3}"; }
property() { call /StatusNotifierItem org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"; }
layout() { call "$menu" com.canonical.dbusmenu.GetLayout 0 -1 '[]'; }
# entry LABEL: the properties of the menu entry with that exported label ('&' becomes '_').
entry() { layout | grep -oE "<\([0-9]+, \{[^{}]*'label': <'$1'>[^{}]*\}" | head -n1; }
has_entry() { [ -n "$(entry "$1")" ]; }
toggled() { entry "$1" | grep -q "'toggle-state': <$2>"; }
# The items the watcher holds, as a host sees them: "<bus name>/<path>", one a line.
items() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems | grep -oE "':[0-9.]+/[^']*'" | tr -d "'"
}
one_item() { [ "$(items | wc -l)" -eq 1 ]; }
no_item() { [ -z "$(items)" ]; }
# Waits for the one item of the monitor; sets service to its bus name, menu to the path of
# its exported menu.
wait_item() {
  wait_until 10 one_item || fail "no StatusNotifierItem registered: $(cat "$work/monitor.log")"
  local item
  item=$(items)
  service=${item%%/*}
  [ "/${item#*/}" = /StatusNotifierItem ] || fail "the item is at $item"
  menu=$(property Menu | grep -oE "objectpath '[^']*'" | cut -d"'" -f2)
  [ -n "$menu" ] && [ "$menu" != /NO_DBUSMENU ] || fail "the item exports no menu: $(property Menu)"
}
# The most recent connection to the bus: every client gets the next number.
last_connection() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.ListNames | grep -oE "':1\.[0-9]+'" | tr -dc '0-9.\n' | cut -d. -f2 |
    sort -n | tail -n1
}

start_private_display notray
start_monitor
wait_until 10 window_of_size 50x39 >/dev/null || fail "no monitor window appeared"
main=$(window_of_size 50x39)
wait_item
echo "ok: StatusNotifier: the item $service/StatusNotifierItem registered; Menu is $menu"
echo "    $(property ItemIsMenu), $(property Id), $(property ToolTip)"

# The full popup menu, not the short one ("Se_ttings..."), with the marks of the settings.
for label in _Settings... 'Tr_ay icons' 'T_wo indicators' '_One diagram' E_xit _Minimize; do
  has_entry "$label" || fail "the exported menu has no '$label': $(layout | head -c 600)"
done
has_entry 'Se_ttings...' && fail "the exported menu is the short tray menu"
toggled 'T_wo indicators' 1 && toggled '_One diagram' 0 || fail "wrong marks: $(entry '_One diagram')"
toggled _Processor 1 || fail "the tray icon's item is not ticked: $(entry _Processor)"
echo "ok: the exported menu is the popup menu: $(entry E_xit)"
# A host asks before it shows the menu: the window fills in the totals then.
call "$menu" com.canonical.dbusmenu.AboutToShow 0 >/dev/null
has_entry 'Total: [0-9]+ MHz' || fail "the totals were not filled in before showing"

# A click in the exported menu reaches the monitor, and the marks follow.
one=$(entry '_One diagram' | grep -oE '^<\([0-9]+' | tr -dc 0-9)
call "$menu" com.canonical.dbusmenu.Event "$one" clicked '<int32 0>' 0 >/dev/null
wait_until 5 toggled '_One diagram' 1 || fail "the click did not tick One diagram: $(entry '_One diagram')"
toggled 'T_wo indicators' 0 || fail "Two indicators stayed ticked"
wait_until 5 grep -q '^mode=1$' "$cfg" || fail "the click did not reach the window: $(cat "$cfg")"
echo "ok: a click on the exported 'One diagram' switched the mode and moved the mark"

call /StatusNotifierItem org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
wait_until 5 hidden "$main" || fail "SecondaryActivate did not hide the window"
has_entry _Restore || fail "the exported menu still says Minimize"
call /StatusNotifierItem org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
wait_until 5 viewable "$main" || fail "a second SecondaryActivate did not show the window"
has_entry _Minimize || fail "the exported menu still says Restore"
echo "ok: SecondaryActivate hides the window and shows it again"

# The host's Activate (a click) opens the short menu; two within the double-click interval,
# as a host sends them for a double click, hide or show the window instead.
activate() { call /StatusNotifierItem org.kde.StatusNotifierItem.Activate 0 0 >/dev/null; }
activate
wait_until 5 one_menu || fail "Activate opened no menu"
[ "$(menu_heights)" = "$short" ] || fail "Activate opened a $(menu_heights) px menu, not the short one"
xdotool key Escape
wait_until 5 no_menu || fail "the short menu did not close"
activate && activate
wait_until 5 hidden "$main" || fail "two quick Activates did not hide the window"
sleep 1  # longer than the double-click interval
no_menu || fail "two quick Activates also opened a menu"
activate && activate
wait_until 5 viewable "$main" || fail "two more quick Activates did not show the window"
echo "ok: Activate opens the short menu; two quick ones hide the window and show it again"

# The window's own right click still opens the same menu as a window of its own.
xdotool mousemove --window "$main" 25 19 click 3 mousemove 0 0
wait_until 5 one_menu || fail "a right click on the window opened $(menu_heights | wc -l) menus"
echo "ok: a right click on the window opens its menu ($(menu_heights) px)"
xdotool key Escape
wait_until 5 no_menu || fail "the window's menu did not close"

# The monitor asks whether a tray exists every two seconds; that must not cost a connection.
before=$(last_connection)
sleep 4.5
after=$(last_connection)
[ $((after - before)) -eq 1 ] || fail "$((after - before - 1)) bus connections were opened in 4.5 s"
echo "ok: no new bus connection while the monitor runs"

# The tray goes away: the hidden window comes back. It returns: the icon is there again.
call /StatusNotifierItem org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
wait_until 5 hidden "$main" || fail "SecondaryActivate did not hide the window"
kill "$watcher_pid"
wait "$watcher_pid" || true
wait_until 5 viewable "$main" || fail "the window stayed hidden when the tray went away"
"$watcher" >"$work/watcher.out" 2>&1 &
watcher_pid=$!
sleep 3  # the monitor looks every two seconds and then puts its icon in anew
wait_item
echo "ok: without the tray the window shows; a new tray gets the icon again ($service)"
stop_monitor
wait_until 5 no_item || fail "the item stayed after the end: $(items)"
echo "ok: the item went away with the monitor"
stop_private_display

# StatusNotifier with the window on Wayland --------------------------------------------------
if ! command -v weston >/dev/null ||
  ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "skipped: Wayland (no weston or qt6-wayland)"
  exit 0
fi
weston --backend=headless-backend.so --socket=tarnwick-tray --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_until 5 test -S "$XDG_RUNTIME_DIR/tarnwick-tray" || fail "weston did not start: $(cat "$work/weston.log")"
unset DISPLAY
fresh_settings  # the last run was hidden when its tray went away: it would start hidden
start_monitor WAYLAND_DISPLAY=tarnwick-tray QT_QPA_PLATFORM=wayland
wait_item
has_entry E_xit || fail "the exported menu on Wayland has no Exit"
call /StatusNotifierItem org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
wait_until 5 has_entry _Restore || fail "SecondaryActivate on Wayland did not hide the window"
call /StatusNotifierItem org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
wait_until 5 has_entry _Minimize || fail "SecondaryActivate on Wayland did not show the window"
stop_monitor
echo "ok: Wayland: the item registered with Menu $menu, and SecondaryActivate hides and shows"
