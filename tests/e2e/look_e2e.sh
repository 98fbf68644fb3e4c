#!/usr/bin/env bash
# The monitor's window as the desktop shows it, on a private X server:
#   - the shipped skin Tidepool: its magenta frame is see-through, so the root window's colour
#     shows there and no magenta pixel is left on the screen, while the gauges stay;
#   - the window asks to be left out of taskbars and pagers (_NET_WM_STATE).
# Usage: look_e2e.sh <Tarnwick> <root_colour> <source folder> [folder for the screenshots]
set -euo pipefail
monitor=$1
root_colour_tool=$2
source_dir=$3
shots=${4:-}
source "$source_dir/tools/xsession.sh"

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tarnwick" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# count_colour IMAGE COLOUR: how many pixels of IMAGE are exactly COLOUR.
count_colour() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_private_display
# A root window of pure green, a colour no part of Tidepool has.
root_colour='#00FF00'
# A server that has just started may not take the colour at once: try for two seconds.
for _ in $(seq 20); do
  "$root_colour_tool" 00FF00
  import -window root -crop 8x8+0+0 "$work/root-probe.png"
  [ "$(count_colour "$work/root-probe.png" "$root_colour")" = 64 ] && break
  sleep 0.1
done
[ "$(count_colour "$work/root-probe.png" "$root_colour")" = 64 ] ||
  fail "the root window is not green: $(convert "$work/root-probe.png" -format %c histogram:info:)"

# Tidepool, 96 x 80 at (100, 100): two gauges, 44 x 76 each at (2, 2) and (50, 2), in a frame
# of the see-through magenta.
skin=$source_dir/skins/tidepool/tidepool.skin
printf '[main]\nx=100\ny=100\n[skins]\nskinpath=%s/skins/\nactive=%s\n' "$source_dir" "$skin" \
  >"$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg"
"$monitor" &
pid=$!
window=$(find_visible_window Tarnwick) || fail "no monitor window appeared"
sleep 1  # the first readings are painted

import -window root -crop 96x80+100+100 +repage "$work/tidepool.png"
[ -n "$shots" ] && cp "$work/tidepool.png" "$shots/tidepool-over-green.png"
magenta=$(count_colour "$work/tidepool.png" '#FF00FF')
green=$(count_colour "$work/tidepool.png" "$root_colour")
frame=$(( 96 * 80 - 2 * 44 * 76 ))
[ "$magenta" = 0 ] || fail "$magenta magenta pixels show on the screen"
[ "$green" = "$frame" ] || fail "the root shows through $green pixels, the frame has $frame"
pixel() { convert "$work/tidepool.png" -format "%[pixel:p{$1,$2}]" info:; }
[ "$(pixel 0 0)" = "srgb(0,255,0)" ] && [ "$(pixel 47 40)" = "srgb(0,255,0)" ] ||
  fail "the frame's corner or the gap between the gauges is not see-through"
[ "$(pixel 10 10)" != "srgb(0,255,0)" ] || fail "a gauge is see-through"
echo "ok: Tidepool's frame shows the root window ($green pixels), its gauges stay"

states=$(xprop -id "$window" _NET_WM_STATE)
grep -q '_NET_WM_STATE_SKIP_TASKBAR' <<<"$states" && grep -q '_NET_WM_STATE_SKIP_PAGER' <<<"$states" ||
  fail "the window does not skip the taskbar and the pager: $states"
echo "ok: $states"

kill -TERM "$pid"
wait "$pid" || fail "monitor ended with $?"
pid=""
