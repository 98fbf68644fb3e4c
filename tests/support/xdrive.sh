# Sourced by the end-to-end scripts that drive the real programs with xdotool on a private
# display (tools/xsession.sh). Xvfb runs no window manager: windows take the focus that Qt
# asks for, and a close box is reached by sending the window manager's close request
# ourselves (close_window). Every wait polls and gives up after its seconds.
#   wait_for_window REGEX [SECONDS]      id of the first visible window whose title matches
#   wait_window_gone ID [SECONDS]        until the window is no longer viewable
#   count_windows REGEX                  how many visible windows have a matching title
#   click WINDOW X Y [BUTTON]            a click at a point of the window
#   replace_text WINDOW X Y TEXT         click a field, select all of it and type TEXT
#   window_hash WINDOW                   a checksum of the window's pixels
#   wait_for_change WINDOW HASH [SECS]   until the window's pixels differ from HASH
#   pick_colour WINDOW X Y '#rrggbb'     click a colour panel and answer the colour dialog
#   pick_folder WINDOW X Y TITLE FOLDER  click a "..." button and answer the folder dialog
#   close_window WINDOW                  what a window manager sends for a click on the close box
#   pixel PNG X Y                        "r,g,b" of a pixel of a picture
#   shoot WINDOW PNG                     a picture of the window

wait_for_window() {
  local pattern=$1 tries=$(( ${2:-10} * 10 )) window=""
  for _ in $(seq "$tries"); do
    window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  return 1
}

wait_window_gone() {
  local window=$1 tries=$(( ${2:-10} * 10 ))
  for _ in $(seq "$tries"); do
    xwininfo -id "$window" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  return 1
}

count_windows() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

click() {
  xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}

replace_text() {
  click "$1" "$2" "$3"
  xdotool key ctrl+a
  xdotool type --delay 5 -- "$4"
}

window_hash() {
  xwd -silent -id "$1" 2>/dev/null | md5sum | cut -d' ' -f1
}

wait_for_change() {
  local window=$1 before=$2 tries=$(( ${3:-5} * 20 ))
  for _ in $(seq "$tries"); do
    [ "$(window_hash "$window")" != "$before" ] && return 0
    sleep 0.05
  done
  return 1
}

# Qt's own colour dialog: "&HTML:" takes the colour as text, Return confirms.
pick_colour() {
  local dialog
  # A click that lands while the window is still busy after the last dialog is lost: click
  # again once (a click on a window behind an open dialog does nothing).
  click "$1" "$2" "$3"
  if ! dialog=$(wait_for_window '^Select Color' 4); then
    click "$1" "$2" "$3"
    dialog=$(wait_for_window '^Select Color' 10) || return 1
  fi
  xdotool key alt+h ctrl+a
  xdotool type --delay 5 -- "$4"
  xdotool key Return
  wait_window_gone "$dialog" 10
}

# Qt's own folder dialog, found by its title, opens with its "Directory:" field focused; Return
# chooses.
pick_folder() {
  local dialog
  click "$1" "$2" "$3"
  dialog=$(wait_for_window "$4" 10) || return 1
  sleep 0.2  # the field takes the focus once the dialog has drawn itself
  xdotool type --delay 5 -- "$5"
  xdotool key Return
  wait_window_gone "$dialog" 10
}

# WM_PROTOCOLS / WM_DELETE_WINDOW as a client message, sent through libX11.
close_window() {
  python3 - "$1" <<'PY'
import ctypes, ctypes.util, os, sys

x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                         ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

display = x.XOpenDisplay(os.environ["DISPLAY"].encode())
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1], 0)
event = Event()
event.message.type = 33  # ClientMessage
event.message.window = window
event.message.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.message.format = 32
event.message.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x.XFlush(display)
x.XCloseDisplay(display)
PY
}

pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

shoot() {
  import -window "$1" "$2" 2>/dev/null
}
