#pragma once

// Whether a window system answers, tried before a program commits to one. Each opens a
// connection and closes it at once.
namespace tarnwick::platform {

// An X server on DISPLAY (with the user's authority file).
bool XServerOpens();

// A Wayland compositor on WAYLAND_DISPLAY (a name in XDG_RUNTIME_DIR, or a path; "wayland-0"
// when unset), or a connection handed over in WAYLAND_SOCKET.
bool WaylandOpens();

}  // namespace tarnwick::platform
