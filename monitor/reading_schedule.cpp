#include "monitor/reading_schedule.h"

#include <algorithm>

namespace tarnwick {

void ReadingSchedule::Plan(std::int64_t startMs, const int* intervals, int count) {
    start_ = startMs;
    count_ = 0;
    longest_ = 0;
    for (int i = 0; i < count && count_ < kMaxTimers; ++i) {
        if (intervals[i] > 0) {
            intervals_[count_++] = intervals[i];
            longest_ = std::max(longest_, intervals[i]);
        }
    }
}

std::int64_t ReadingSchedule::NextReading(std::int64_t after) const {
    std::int64_t next = kNever;
    for (int i = 0; i < count_; ++i) {
        const std::int64_t interval = intervals_[i];
        // The first tick is one interval after the start, as a timer's.
        const std::int64_t ticks = after < start_ ? 0 : (after - start_) / interval;
        next = std::min(next, start_ + (ticks + 1) * interval);
    }
    return next;
}

bool ReadingSchedule::IsReading(std::int64_t at) const {
    for (int i = 0; i < count_; ++i) {
        if (at > start_ && (at - start_) % intervals_[i] == 0) {
            return true;
        }
    }
    return false;
}

std::int64_t ReadingSchedule::NextSample(std::int64_t after) const {
    if (count_ == 0) {
        return kNever;
    }
    const std::int64_t giveUp = after + longest_;
    std::int64_t sample = NextReading(after + kWindowMs) - kWindowMs;
    while (IsReading(sample)) {
        if (sample >= giveUp) {
            return giveUp;
        }
        sample = NextReading(sample + kWindowMs) - kWindowMs;
    }
    return sample;
}

}  // namespace tarnwick
