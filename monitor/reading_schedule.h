#pragma once

#include <array>
#include <cstdint>

namespace tarnwick {

// When the processor has to be sampled so that every timer's reading sees the load of the
// 100 ms that ended at it, without a clock beating every 100 ms while nobody reads.
//
// The timers that read run in step: all started at one moment, each every its interval, so
// readings that fall together share one wake-up. A reading takes its own sample; the sampling
// clock takes one 100 ms before each reading, except where a reading of another timer already
// samples at that moment. Times are milliseconds of the monotonic clock.
class ReadingSchedule {
public:
    static constexpr std::int64_t kWindowMs = 100;  // the load a reading shows is of this span
    static constexpr int kMaxTimers = 8;
    static constexpr std::int64_t kNever = INT64_MAX;

    // The timers that read, all started at startMs. Intervals below 1 ms and timers beyond
    // kMaxTimers are left out.
    void Plan(std::int64_t startMs, const int* intervals, int count);

    // The first reading after the moment `after`; kNever without timers.
    std::int64_t NextReading(std::int64_t after) const;

    // The first moment after `after` at which the sampling clock samples. Where no such moment
    // comes within the longest interval (every sample ahead falls on a reading), the clock
    // wakes at the end of that span and asks again: a spare sample disturbs no reading.
    std::int64_t NextSample(std::int64_t after) const;

private:
    bool IsReading(std::int64_t at) const;

    std::int64_t start_ = 0;
    std::array<int, kMaxTimers> intervals_{};
    int count_ = 0;
    int longest_ = 0;
};

}  // namespace tarnwick
