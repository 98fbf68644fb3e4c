#include "monitor/tick_memory.h"

namespace tarnwick {

namespace {

std::uint32_t TimerBit(int reader) {
    const bool timer = reader >= 0 && reader < TickMemoryFigures::kMaxReaders;
    return timer ? std::uint32_t{1} << reader : 0;
}

}  // namespace

void TickMemoryFigures::BeginReading(int reader) {
    reader_ = reader;
    const std::uint32_t bit = TimerBit(reader);
    if (bit == 0) {
        return;
    }
    // A timer that begins a second time in one wake-up begins a new tick, as in the reads.
    if (ticking_ == 0 || (ticking_ & bit) != 0) {
        ticking_ = bit;
        if (onTickReading_) {
            onTickReading_();
        }
    } else {
        ticking_ |= bit;
    }
}

void TickMemoryFigures::ReadMemoryStatus(platform::MemoryStatus& status) {
    const std::uint32_t bit = TimerBit(reader_);
    if (bit != 0 && shared_ != 0 && (shared_ & bit) == 0) {
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
