#!/usr/bin/env bash
# Screenshots of the settings window's eight pages from the real program on a private virtual
# display, at 96 DPI and at scale factor 2, into screenshots/settings/; the Skins page at
# 96 DPI also becomes the README's picture. Then the same pages at 96 DPI in German and in
# Russian, into screenshots/settings/de/ and screenshots/settings/ru/.
# Usage: tools/screenshot-settings.sh [output folder]   (default screenshots/settings)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots/settings}
cmake --build build --target TarnwickCfg tarnwick_shipped_skins release_translations >/dev/null
source tools/xsession.sh
# Room for the window at scale factor 2.
export XSESSION_SCREEN=1600x1200x24
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; fi
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display
mkdir -p "$out" "$work/config/tarnwick" "$work/run"
chmod 700 "$work/run"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
skins=$(pwd)/build/bin/skins
printf '[main]\nicons=1\ntransparent=10\n[skins]\nactive=%s/ember/ember.skin\n' "$skins" \
  >"$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg"
printf '[main]\ncount=3\n[event1]\nname=Processor above 90%% for 5 minutes\nactive=1\n[event2]\nname=Little memory left\nactive=0\n[event3]\nname=Swap in use\nactive=1\n' \
  >"$XDG_CONFIG_HOME/tarnwick/events.cfg"

# The settings window is the program's one visible window; found by its class, as xdotool
# matches no title outside Latin-1.
settings_window() {
  xdotool search --onlyvisible --class '^TarnwickCfg$' 2>/dev/null | head -n1
}
settings_window_shown() {
  [ -n "$(settings_window)" ]
}

shoot() {  # scale [folder and locale of a language]
  local scale=$1 folder=${2:-$out} locale=${3:-C} window=""
  mkdir -p "$folder"
  LANG=$locale LC_ALL=$locale LANGUAGE="" QT_SCALE_FACTOR=$scale build/bin/TarnwickCfg &
  pid=$!
  wait_until 10 settings_window_shown || { echo "no settings window appeared" >&2; exit 1; }
  window=$(settings_window)
  sleep 0.5
  for page in 1 2 3 4 5 6 7 8; do
    # The page buttons are a column of 152 x 49 at the window's left, 4 pixels in.
    xdotool mousemove --window "$window" $((80 * scale)) $(((4 + 24 + 49 * (page - 1)) * scale)) click 1
    sleep 0.3
    import -window "$window" "$folder/page$page-x$scale.png"
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}
shoot 1
shoot 2
cp "$out/page5-x1.png" docs/settings.png
shoot 1 "$out/de" de_DE.UTF-8
shoot 1 "$out/ru" ru_RU.UTF-8
echo "Screenshots saved to $out, $out/de and $out/ru; docs/settings.png updated"
