// A system without the probes cannot tell: every window system is taken to answer, and Qt
// says itself when none does.
#include "platform/display_probe.h"

namespace tarnwick::platform {

bool XServerOpens() {
    return true;
}

bool WaylandOpens() {
    return true;
}

}  // namespace tarnwick::platform
