// A window system without taskbar requests.
#include "platform/window_hints.h"

namespace tarnwick::platform {

void KeepOutOfTaskbar(QWindow&) {}

void RepeatOpacityAfterMap(QWindow&) {}

bool ReadWindowPosition(QWindow&, QPoint&) {
    return false;
}

}  // namespace tarnwick::platform
