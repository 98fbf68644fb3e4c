#include "monitor/usecpu.h"

#include "common/numbers.h"
#include "monitor/reading_schedule.h"

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
    std::lock_guard<std::mutex> lock(marksMutex_);
    markCount_ = 0;
    KeepMark(lastTick_, currentIdle_);
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
    // The tick did not move, or wrapped after 49.7 days: 0 for this period, and the next one
    // is measured from now.
    const std::int32_t result =
        now > lastTick_ ? LoadOver(now - lastTick_, currentIdle_ - previousIdle_) : 0;
    lastTick_ = now;
    return result;
}

std::int32_t UseCpu::LoadOver(std::uint32_t elapsedMs, std::int64_t idleUnits) {
    // Idle time per second of wall-clock time against the 10000000 units of one second.
    const long double elapsed = static_cast<long double>(elapsedMs);
    const long double idle = static_cast<long double>(idleUnits);
    const long double load = (10000000.0L - idle / (elapsed / 1000.0L)) / 10000000.0L * 100.0L;
    return Saturate32(RoundHalfEven(load));
}

void UseCpu::KeepMark(std::uint32_t tick, std::int64_t idle) {
    newestMark_ = markCount_ == 0 ? 0 : (newestMark_ + 1) % kMarks;
    marks_[newestMark_] = Mark{tick, idle};
    if (markCount_ < kMarks) {
        ++markCount_;
    }
}

void UseCpu::Sample() {
    if (platform_ != kPlatformNt) {
        return;
    }
    std::lock_guard<std::mutex> lock(marksMutex_);
    if (!sampling_) {
        return;
    }
    std::int64_t idle = marks_[newestMark_].idle;  // a failed read: that span reads as busy
    processor_.ReadIdleTime(idle);
    KeepMark(processor_.TickCount(), idle);
}

void UseCpu::ReadLoad() {
    if (platform_ != kPlatformNt) {
        figures_.CPUUsage = ClampLoad(GetCPUUsage());
        return;
    }
    std::lock_guard<std::mutex> lock(marksMutex_);
    if (!sampling_) {
        figures_.CPUUsage = 0;
        return;
    }
    const std::uint32_t now = processor_.TickCount();
    std::int64_t idle = marks_[newestMark_].idle;
    processor_.ReadIdleTime(idle);
    constexpr auto kSpan = static_cast<std::uint32_t>(ReadingSchedule::kWindowMs);
    const auto offSpan = [](std::uint32_t age) { return age > kSpan ? age - kSpan : kSpan - age; };
    const Mark* from = nullptr;
    std::uint32_t fromAge = 0;
    for (int i = 0; i < markCount_; ++i) {
        // Unsigned differences stay right across the tick's wrap after 49.7 days.
        const std::uint32_t age = now - marks_[i].tick;
        if (age > 0 && (from == nullptr || offSpan(age) < offSpan(fromAge))) {
            from = &marks_[i];
            fromAge = age;
        }
    }
    if (from != nullptr) {
        figures_.CPUUsage = ClampLoad(LoadOver(fromAge, idle - from->idle));
    }
    KeepMark(now, idle);
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
