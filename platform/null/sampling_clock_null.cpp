#include "platform/sampling_clock.h"

namespace tarnwick::platform {

std::unique_ptr<SamplingClock> MakeSystemSamplingClock() {
    return nullptr;
}

}  // namespace tarnwick::platform
