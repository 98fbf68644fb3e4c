// The Linux figures behind the platform's factories.
#include "platform/figures.h"
#include "platform/linux/figures_linux.h"

namespace tarnwick::platform {

std::unique_ptr<ProcessorFigures> MakeSystemProcessorFigures() {
    return std::make_unique<LinuxProcessorFigures>();
}

std::unique_ptr<MemoryFigures> MakeSystemMemoryFigures() {
    return std::make_unique<LinuxMemoryFigures>();
}

std::unique_ptr<ProcessPriority> MakeSystemProcessPriority() {
    return std::make_unique<LinuxProcessPriority>();
}

}  // namespace tarnwick::platform
