#pragma once

class QPoint;
class QWindow;

// What a window asks of the window manager beyond Qt's own flags.
namespace tarnwick::platform {

// Asks that the window have no taskbar button and no place in pagers (on X11 the states
// _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER). Call it before each show: a window
// manager forgets a window's states when it is hidden. Nothing happens where the window
// system has no such request (Wayland, the offscreen platform).
void KeepOutOfTaskbar(QWindow& window);

// Asks once more for the window's opacity as soon as the window is mapped. Some window
// managers (GNOME's) read the opacity only from a mapped window and ignore what was set
// before; so call it at each show. Nothing happens for an opaque window or where the window
// system has no such request.
void RepeatOpacityAfterMap(QWindow& window);

// Where the window system has the window's top-left corner now, asked afresh. The position a
// toolkit keeps comes from the last configure it saw, which a reparenting window manager may
// have sent before it placed its frame. False where the window system does not tell (Wayland,
// the offscreen platform) or the window is not shown.
bool ReadWindowPosition(QWindow& window, QPoint& position);

}  // namespace tarnwick::platform
