#include "common/platform_id.h"

namespace tarnwick {

int GetPlatform() {
#if defined(__linux__)
    return kPlatformNt;
#else
    return kPlatformOther;
#endif
}

}  // namespace tarnwick
