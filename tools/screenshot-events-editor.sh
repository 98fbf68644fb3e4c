#!/usr/bin/env bash
# Takes a screenshot of the events editor with each of its five action pages, from the real
# window on a private virtual display; then the same in German and in Russian, into the
# folder's de/ and ru/.
# Usage: tools/screenshot-events-editor.sh [folder]   (default screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
cmake --build build --target events_editor_demo release_translations >/dev/null
source tools/xsession.sh
work=$(mktemp -d)
cleanup() {
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display
mkdir -p "$out"
cat >"$work/events.cfg" <<'CFG'
[main]
count=5
[event1]
name=Shut down when idle
event=0
biglit=1
value=2
measure=0
hour=1
min=30
sec=0
action=8
execute=0
active=1
[event2]
name=High load
event=0
biglit=0
value=90
measure=0
hour=0
min=5
sec=0
action=1
execute=2
active=1
[action2]
autotext=0
linescount=2
line1=The processor has been busy for five minutes.
line2=Look at what runs.
sound=1
freq=1500
time=500
pause=1000
loop=count
loopcount=3
culprit=1
notify=1
[event3]
name=Memory low
event=1
biglit=1
value=200
measure=1
hour=0
min=0
sec=30
action=2
execute=1
active=0
[action3]
execute=/usr/bin/xterm
parameters=-e top
[event4]
name=Swap in use
event=2
value=10
action=3
[action4]
document=/home/user/notes/swap.txt
[event5]
name=Virtual memory
event=3
value=80
action=4
[action5]
folder=/home/user/Downloads
CFG
shoot() {  # folder locale
  mkdir -p "$1"
  for entry in 1 2 3 4 5; do
    LANG=$2 LC_ALL=$2 LANGUAGE="" HOME=$work XDG_RUNTIME_DIR=$work \
      build/bin/events_editor_demo "$work/events.cfg" "$entry" &
    pid=$!
    sleep 2
    # By its class: xdotool matches no title outside Latin-1.
    id=$(xdotool search --onlyvisible --class '^events_editor_demo$' | head -n1)
    import -window "$id" "$1/events-editor-page$((entry - 1)).png"  # entry N shows page N-1
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
shoot "$out" C
shoot "$out/de" de_DE.UTF-8
shoot "$out/ru" ru_RU.UTF-8
echo "Screenshots saved to $out/events-editor-page{0..4}.png and to $out/de/ and $out/ru/"
