# Sourced, after tools/xsession.sh, by tests that run programs on a headless sway:
#   need_tools TOOL...       exits 77 (skip) with "SKIP: no TOOL" unless each TOOL is on PATH
#   start_sway [LINE...]     starts sway as the user "nobody" (sway refuses to run as root) on
#                            one 1024x768 headless output with no input devices and no
#                            Xwayland; each LINE is added to its configuration. Needs $work
#                            (make_private_user). Exports WAYLAND_DISPLAY and SWAYSOCK as paths
#                            (the clients keep their own runtime folder), unsets DISPLAY and
#                            QT_QPA_PLATFORM, sets SWAY_PID; exits 77 where sway, setpriv or
#                            the user are missing or sway does not start. Its log: $work/sway.log
#   hold_sway_devices WL_POINTER
#                            gives the seat a pointer (WL_POINTER hold) and a keyboard (a
#                            sleeping wtype) until stop_sway. Without them the seat has no
#                            pointer or keyboard until a short-lived wl_pointer or wtype brings
#                            one, and the clients, asking for theirs only then, miss its first
#                            events. Call it before starting the programs under test.
#   stop_sway                stops it and the held devices; safe to call twice and from an
#                            EXIT trap
#   sway_pixel X Y           prints "r,g,b" (0..255) of the output at X, Y now, through grim;
#                            with SWAY_SHOTS=FOLDER it also keeps each screenshot there
# Input: wl_pointer (built here) moves and clicks through sway's virtual pointer, and wtype
# types through its virtual keyboard; both find sway through WAYLAND_DISPLAY.

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
  done
}

SWAY_PID=""
SWAY_DEVICE_PIDS=()

start_sway() {
  local run=$work/sway-run line
  need_tools sway setpriv
  id nobody >/dev/null 2>&1 || { echo "SKIP: no user nobody to run sway as"; exit 77; }
  unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET SWAYSOCK
  # sway's runtime folder is its user's; the clients reach its sockets through $work.
  mkdir -p "$run"
  chmod 755 "$work"
  chown nobody "$run"
  chmod 700 "$run"
  printf 'output * resolution 1024x768\nxwayland disable\n' >"$work/sway.cfg"
  for line in "$@"; do
    printf '%s\n' "$line" >>"$work/sway.cfg"
  done
  chmod 644 "$work/sway.cfg"
  env HOME="$work" XDG_RUNTIME_DIR="$run" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman setpriv --reuid=nobody --regid=nogroup --clear-groups \
    sway -c "$work/sway.cfg" >"$work/sway.log" 2>&1 &
  SWAY_PID=$!
  wait_until 10 _sway_sockets || {
    echo "SKIP: sway did not start: $(tail -n3 "$work/sway.log")"
    exit 77
  }
  WAYLAND_DISPLAY=$(_sway_socket 'wayland-*')
  SWAYSOCK=$(_sway_socket 'sway-ipc.*')
  export WAYLAND_DISPLAY SWAYSOCK
}

hold_sway_devices() {
  need_tools wtype swaymsg
  "$1" hold &
  SWAY_DEVICE_PIDS+=($!)
  wtype -s 86400000 &
  SWAY_DEVICE_PIDS+=($!)
  # The seat's capabilities: 1 a pointer, 2 a keyboard.
  wait_until 5 eval 'swaymsg -t get_seats | grep -q "\"capabilities\": 3"' ||
    fail "the seat did not take the held pointer and keyboard"
}

stop_sway() {
  local pid
  for pid in "${SWAY_DEVICE_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  SWAY_DEVICE_PIDS=()
  [ -n "$SWAY_PID" ] || return 0
  kill "$SWAY_PID" 2>/dev/null || true
  wait "$SWAY_PID" 2>/dev/null || true
  SWAY_PID=""
}

sway_pixel() {
  local shot
  shot=$(mktemp -p "$work" shotXXXX.png)
  grim "$shot"
  [ -z "${SWAY_SHOTS:-}" ] || cp "$shot" "$SWAY_SHOTS/sway-$(date +%s%N).png"
  convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
  rm -f "$shot"
}

_sway_socket() { find "$work/sway-run" -maxdepth 1 -name "$1" -type s | head -n1; }
_sway_sockets() { [ -n "$(_sway_socket 'wayland-*')" ] && [ -n "$(_sway_socket 'sway-ipc.*')" ]; }
