#!/usr/bin/env bash
# A skin made in the wizard shows in the real monitor: the wizard program builds "harbour.skin"
# with its own tray strip, the settings file makes it the active skin (what the settings
# window's "Ok" writes), and the monitor on a private X server takes its size, its background
# and its gauge colours.
# Usage: skin_e2e.sh <Tarnwick> <skin_editor_shots> <source folder>
set -euo pipefail
monitor=$1
wizard=$2
source "$3/tools/xsession.sh"

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tarnwick" "$XDG_RUNTIME_DIR" "$work/skins" "$work/shots"
chmod 700 "$XDG_RUNTIME_DIR"
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

QT_QPA_PLATFORM=offscreen "$wizard" "$work/shots" "$work/skins" >/dev/null 2>&1 ||
  fail "the wizard did not finish"
[ -f "$work/skins/harbour.skin" ] && [ -f "$work/skins/icons.bmp" ] || fail "no skin saved"
identify "$work/skins/icons.bmp" | grep -q '1616x16' || fail "the strip is not 1616 x 16"
printf '[main]\nicons=2\n[skins]\nskinpath=%s/skins/\nactive=%s/skins/harbour.skin\n' \
  "$work" "$work" >"$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg"

start_private_display
"$monitor" &
pid=$!
window=$(find_visible_window Tarnwick 30) || fail "no monitor window appeared"
sleep 1.5
geometry=$(xwininfo -id "$window")
w=$(awk '/Width:/ {print $2}' <<<"$geometry")
h=$(awk '/Height:/ {print $2}' <<<"$geometry")
[ "$w"x"$h" = "96x40" ] || fail "window is ${w}x$h, expected the skin's 96x40"
echo "ok: the window has the skin's size"

import -window "$window" "$work/shot.png" 2>/dev/null
pixel() {
  convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
# The background outside the gauges, and the empty end of the memory gauge (indicator 2).
[ "$(pixel 1 1)" = "24,40,64" ] || fail "background is $(pixel 1 1), expected 24,40,64"
[ "$(pixel 92 22)" = "224,240,192" ] || fail "gauge ground is $(pixel 92 22), expected 224,240,192"
echo "ok: the monitor paints the skin's background and gauge"
