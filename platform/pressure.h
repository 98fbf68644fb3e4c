#pragma once

#include <cstdint>
#include <memory>

// The kernel's pressure stall figures: for the processor, memory and input/output, the share of
// recent time in which at least one task waited for it. One implementation per operating
// system; tests give fakes.
namespace tarnwick::platform {

// In the order the events file numbers them after the four resources.
enum class StallResource : std::uint8_t { Processor, Memory, InputOutput };

class PressureFigures {
public:
    virtual ~PressureFigures() = default;

    // The share of the last ten seconds in which some task stalled on the resource, in
    // hundredths of a percent (0..10000). False when the system does not tell it: no such
    // figures (an older kernel, a container without them) or a file that cannot be read or
    // holds no complete figure. A read allocates nothing.
    virtual bool ReadSomeShare(StallResource resource, std::int32_t& hundredths) = 0;
};

// The figures of the machine the programs run on.
std::unique_ptr<PressureFigures> MakeSystemPressureFigures();

}  // namespace tarnwick::platform
