#pragma once

class QWindow;

// What a window asks of the window manager beyond Qt's own flags.
namespace tarnwick::platform {

// Asks that the window have no taskbar button and no place in pagers (on X11 the states
// _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER). Call it before each show: a window
// manager forgets a window's states when it is hidden. Nothing happens where the window
// system has no such request (Wayland, the offscreen platform).
void KeepOutOfTaskbar(QWindow& window);

}  // namespace tarnwick::platform
