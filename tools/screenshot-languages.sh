#!/usr/bin/env bash
# Takes pictures of the monitor in German and Russian on a private virtual display: its popup
# menu with the "Parameters" submenu open, the same with "Indicator 1", its first resource
# and the speeds open, and the information hint.
# Usage: tools/screenshot-languages.sh [folder]   (default screenshots/)
# Writes monitor-menu-<lang>.png, monitor-indicator-<lang>.png, monitor-speed-<lang>.png and
# monitor-hint-<lang>.png into the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
cmake --build build --target Tarnwick tarnwick_shipped_skins tarnwick_catalog >/dev/null
source tools/xsession.sh
work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
XSESSION_SCREEN=800x600x24 start_private_display
mkdir -p "$out"

for lang in de_DE ru_RU; do
  home=$work/$lang
  mkdir -p "$home/config/tarnwick" "$home/run"
  chmod 700 "$home/run"
  printf '[main]\nx=20\ny=20\ninfo=1\ninfoshow=100\ninfohide=20000\n[skins]\nactive=%s\n[indicator1]\ntype=1\n[indicator2]\ntype=7\n' \
    "$(pwd)/build/bin/skins/ember/ember.skin" >"$home/config/tarnwick/tarnwick.cfg"
  LANG=$lang.UTF-8 LC_ALL= LANGUAGE= HOME=$home XDG_CONFIG_HOME=$home/config \
    XDG_RUNTIME_DIR=$home/run build/bin/Tarnwick &
  pid=$!
  window=$(find_visible_window Tarnwick 10)
  sleep 1
  # The hint: the mouse rests on the window's lower edge.
  xdotool mousemove 80 78
  sleep 1.5
  import -window root -crop 520x160+0+0 "$out/monitor-hint-${lang%_*}.png"
  # The menu, opened with the keyboard on the window, and its second item's submenu.
  xdotool mousemove 60 50 click 3
  sleep 0.7
  xdotool key Down Down Right
  sleep 0.7
  import -window root -crop 800x600+0+0 "$out/monitor-menu-${lang%_*}.png"
  # "Indicator 1" is the ninth item; in it the first resource, then back to the speeds.
  xdotool key Left Down Down Down Down Down Down Down Right Right
  sleep 0.7
  import -window root -crop 800x600+0+0 "$out/monitor-indicator-${lang%_*}.png"
  xdotool key Left Down Down Down Down Right
  sleep 0.7
  import -window root -crop 800x600+0+0 "$out/monitor-speed-${lang%_*}.png"
  xdotool key Escape Escape Escape Escape
  kill -TERM "$pid"
  wait "$pid" || true
  pid=""
done
echo "Screenshots saved to $out/monitor-{menu,indicator,speed,hint}-{de,ru}.png"
