# Sourced by scripts that need a private X display with a tray host:
#   start_private_display   sets DISPLAY and starts Xvfb and trayer (screen XSESSION_SCREEN,
#                           1024x768x24 unless set); "start_private_display notray" starts
#                           Xvfb alone
#   stop_private_display    stops both
# Both programs are Debian packages (xvfb, trayer) that tools/install-deps.sh installs.

start_private_display() {
  local fdfile
  fdfile=$(mktemp)
  # -noreset: by default the server resets whenever its last client goes, such as the xprop of
  # the wait below before trayer is connected. A reset refuses connections for a moment (trayer
  # then ends with "cannot open display") and forgets the root window's background.
  Xvfb -displayfd 3 -screen 0 "${XSESSION_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
    3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  export DISPLAY
  [ "${1:-}" = notray ] && return 0
  trayer --edge bottom --align right --widthtype pixel --width 200 --heighttype pixel --height 24 \
    >/dev/null 2>&1 &
  TRAYER_PID=$!
  # Wait until the tray host owns its selection, so the monitor sees a tray at start-up.
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
    xdotool search --class trayer >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "xsession: the tray host did not start on $DISPLAY" >&2
}

# The tray host may have ended already (it ends when an embedded icon's program is killed), so
# a failed kill is no error: callers run this from an EXIT trap under set -e. It waits only for
# these two, so a script may go on with other programs of its own running.
stop_private_display() {
  local p
  for p in ${TRAYER_PID:-} ${XVFB_PID:-}; do
    kill "$p" 2>/dev/null || true
    wait "$p" 2>/dev/null || true
  done
  TRAYER_PID="" XVFB_PID=""
}

# find_visible_window TITLE [SECONDS]: prints the id of the first visible window whose title
# is exactly TITLE once one appears (default 10 s); prints nothing and fails when none does.
find_visible_window() {
  local title=$1 tries=$(( ${2:-10} * 10 )) window=""
  for _ in $(seq "$tries"); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  return 1
}

# window_pixel WINDOW X Y: prints "r,g,b" (0..255) of the pixel at X, Y of the window's picture
# as it is on the screen now.
window_pixel() {
  local shot
  shot=$(mktemp --suffix=.png)
  import -window "$1" "$shot" 2>/dev/null
  convert "$shot" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
  rm -f "$shot"
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds (0) or SECONDS have
# passed (1).
wait_until() {
  local tries=$(( $1 * 10 ))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# make_private_user: a new temporary folder $work holding a home, a configuration folder (with
# tarnwick/ in it) and a private runtime folder, exported as HOME, XDG_CONFIG_HOME and
# XDG_RUNTIME_DIR, so a test never touches the real user's files.
make_private_user() {
  work=$(mktemp -d)
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
  mkdir -p "$HOME" "$XDG_CONFIG_HOME/tarnwick" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

fail() { echo "FAIL: $*" >&2; exit 1; }
