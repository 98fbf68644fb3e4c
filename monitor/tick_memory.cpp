#include "monitor/tick_memory.h"

namespace tarnwick {

void TickMemoryFigures::ReadMemoryStatus(platform::MemoryStatus& status) {
    const bool timer = reader_ >= 0 && reader_ < kMaxReaders;
    const std::uint32_t bit = timer ? std::uint32_t{1} << reader_ : 0;
    if (timer && shared_ != 0 && (shared_ & bit) == 0) {
        shared_ |= bit;
        status = latest_;
        return;
    }
    // Figures that cannot be read keep what the caller had, as the system's reader promises.
    latest_ = status;
    system_.ReadMemoryStatus(latest_);
    ++systemReads_;
    status = latest_;
    shared_ = bit;  // a read outside a tick starts no sharing
}

}  // namespace tarnwick
