#include "monitor/usecpu.h"

#include "common/numbers.h"

#include <limits>

namespace tarnwick {

namespace {

// A computed load can be far out of range after a stall of the clock; keep it in 32 bits so
// the clamp of the caller still sees its sign.
std::int32_t Saturate32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t ClampLoad(std::int32_t load) {
    if (load < 0) {
        return 0;
    }
    return load > 100 ? 100 : load;
}

UseCpu::UseCpu(platform::ProcessorFigures& processor, platform::ProcessPriority& priority,
               int platformNumber)
    : processor_(processor), priority_(priority), platform_(platformNumber) {}

bool UseCpu::InitCPUUsage() {
    if (platform_ != kPlatformNt) {
        return true;
    }
    lastTick_ = processor_.TickCount();
    if (!processor_.ReadIdleTime(currentIdle_)) {
        // No idle time to measure against: the load stays 0 rather than a made-up figure.
        sampling_ = false;
        return false;
    }
    previousIdle_ = currentIdle_;
    sampling_ = true;
    return true;
}

std::int32_t UseCpu::GetCPUUsage() {
    if (platform_ != kPlatformNt) {
        // The load comes from the idle-time counters; a platform without them (the 95 family
        // keeps a kernel statistic that no platform layer here reads) shows a full load, as a
        // failed read of that statistic does.
        return 100;
    }
    if (!sampling_) {
        return 0;
    }
    const std::uint32_t now = processor_.TickCount();
    previousIdle_ = currentIdle_;
    // A failed read leaves the idle time where it was, so that period reads as fully busy.
    processor_.ReadIdleTime(currentIdle_);
    std::int32_t result = 0;
    if (now > lastTick_) {
        // Idle time per second of wall-clock time against the 10000000 units of one second.
        const long double elapsed = static_cast<long double>(now - lastTick_);
        const long double idle = static_cast<long double>(currentIdle_ - previousIdle_);
        const long double load = (10000000.0L - idle / (elapsed / 1000.0L)) / 10000000.0L * 100.0L;
        result = Saturate32(RoundHalfEven(load));
    }
    // The tick did not move, or wrapped after 49.7 days: 0 for this period, and the next one
    // is measured from now.
    lastTick_ = now;
    return result;
}

bool UseCpu::DoneCPUUsage() {
    sampling_ = false;
    return true;
}

double UseCpu::GetCPUSpeed() {
    if (!processor_.HasTimeStampCounter()) {
        return processor_.NominalSpeed();
    }
    processor_.RaisePriorityForTiming();
    processor_.Sleep(10);  // start on a fresh time slice
    const std::uint64_t t1 = processor_.ReadTimeStampCounter();
    processor_.Sleep(500);
    const std::uint64_t t2 = processor_.ReadTimeStampCounter();
    processor_.RestorePriorityAfterTiming();
    // Cycles in 500 ms over 500000 are cycles per microsecond: MHz. The low 32 bits of the
    // difference measure up to 8589 MHz.
    const auto cycles = static_cast<std::uint32_t>(t2 - t1);
    return static_cast<double>(cycles) / 500000.0;
}

int UseCpu::SetPriority(int level) {
    if (level >= -1 && level <= 2) {
        priority_.SetLevel(level);
    }
    return priority_.Level();
}

void UseCpu::Takt() {
    figures_.CPUUsage = ClampLoad(GetCPUUsage());
}

void UseCpu::TakeCPUSpeed() {
    figures_.CPUSpeed = Saturate32(RoundHalfEven(GetCPUSpeed()));
}

}  // namespace tarnwick
