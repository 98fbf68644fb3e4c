#include "platform/sampling_clock.h"

#include <chrono>

namespace tarnwick::platform {

std::int64_t MonotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::unique_ptr<SamplingClock> MakeSystemSamplingClock() {
    return nullptr;
}

}  // namespace tarnwick::platform
