#pragma once

#include <functional>

class QObject;

// The end of the desktop session as the program sees it.
namespace tarnwick::platform {

// Runs onEnd on context's event loop when the session ends the program (SIGTERM, SIGHUP) or
// the user presses Ctrl+C in its terminal. The handler runs outside the signal, so it may do
// anything the program does at a normal exit.
void WatchTermination(QObject* context, std::function<void()> onEnd);

}  // namespace tarnwick::platform
