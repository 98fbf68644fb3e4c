#pragma once

#include "platform/linux/figures_linux.h"
#include "platform/pressure.h"

#include <array>
#include <string>

// The pressure stall figures on Linux, from /proc/pressure/cpu, memory and io (kernels from
// 4.20 built with them and not switched off). Each file is opened at its first read and kept
// open, so a tick that reads one makes one system call and no allocation; nothing is opened
// while no one asks.
namespace tarnwick::platform {

class LinuxPressureFigures final : public PressureFigures {
public:
    explicit LinuxPressureFigures(const std::string& procRoot = "/proc");

    // avg10 of the "some" line.
    bool ReadSomeShare(StallResource resource, std::int32_t& hundredths) override;

private:
    std::array<ProcFile, 3> files_;
    char buffer_[512];
};

}  // namespace tarnwick::platform
