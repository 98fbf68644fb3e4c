// The processor sampled only ahead of the timers' readings, on a simulated clock, against the
// plain sampler that beats every 100 ms: each reading must show what that sampler would show
// with a beat ending at the reading, the load of the 100 ms that ended at it.
#include "monitor/reading_schedule.h"
#include "monitor/usecpu.h"

#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace tarnwick {
namespace {

using testing::FakePriority;
using testing::FakeProcessor;

// A processor whose idle time grows by an uneven amount each millisecond, so that any window
// other than the right one reads another load.
class SimulatedProcessor {
public:
    explicit SimulatedProcessor(std::int64_t start) : start_(start) { idleAt_.push_back(0); }

    FakeProcessor& AdvanceTo(std::int64_t ms) {
        while (static_cast<std::int64_t>(idleAt_.size()) <= ms - start_) {
            const auto step = static_cast<std::uint64_t>(idleAt_.size()) * 2654435761u;
            idleAt_.push_back(idleAt_.back() + static_cast<std::int64_t>((step >> 7) % 10001));
        }
        processor_.tick = static_cast<std::uint32_t>(ms);
        processor_.idle = idleAt_[ms - start_];
        return processor_;
    }

    // What the plain sampler reads at a beat ending at ms: one beat 100 ms before, one at it.
    std::int32_t PlainReading(std::int64_t ms) {
        SimulatedProcessor copy(*this);
        FakePriority priority;
        UseCpu plain(copy.AdvanceTo(ms - 100), priority, kPlatformNt);
        plain.InitCPUUsage();
        copy.AdvanceTo(ms);
        plain.Takt();
        return plain.Figures().CPUUsage;
    }

private:
    std::int64_t start_;
    std::vector<std::int64_t> idleAt_;
    FakeProcessor processor_;
};

struct Outcome {
    int readings = 0;
    int wrong = 0;
    double wakeUpsPerSecond = 0;
};

// Ten seconds of the monitor: the sampling clock's beats and the timers' readings in time
// order, each at its exact moment.
Outcome Simulate(const std::vector<int>& intervals) {
    constexpr std::int64_t kStart = 1000000;  // any moment; the tick counts from it
    constexpr std::int64_t kEnd = kStart + 10000;
    SimulatedProcessor system(kStart - 2000);
    FakePriority priority;
    UseCpu cpu(system.AdvanceTo(kStart - 600), priority, kPlatformNt);
    cpu.InitCPUUsage();  // at start-up, before the speed is measured
    ReadingSchedule schedule;
    schedule.Plan(kStart, intervals.data(), static_cast<int>(intervals.size()));
    system.AdvanceTo(kStart);
    cpu.Sample();  // the timers start
    Outcome run;
    std::set<std::int64_t> wakeUps;
    std::int64_t sampleAt = schedule.NextSample(kStart);
    std::int64_t readingAt = schedule.NextReading(kStart);
    while (std::min(sampleAt, readingAt) <= kEnd) {
        if (readingAt <= sampleAt) {
            system.AdvanceTo(readingAt);
            cpu.ReadLoad();
            ++run.readings;
            run.wrong += cpu.Figures().CPUUsage != system.PlainReading(readingAt) ? 1 : 0;
            wakeUps.insert(readingAt);
            readingAt = schedule.NextReading(readingAt);
        } else {
            system.AdvanceTo(sampleAt);
            cpu.Sample();
            wakeUps.insert(sampleAt);
            sampleAt = schedule.NextSample(sampleAt);
        }
    }
    run.wakeUpsPerSecond = static_cast<double>(wakeUps.size()) / 10.0;
    return run;
}

TEST(ReadingSchedule, EveryReadingShowsTheLoadOfThe100MsThatEndedAtIt) {
    struct Case {
        const char* what;
        std::vector<int> intervals;  // gauge 1, gauge 2, diagram, events, tray icon
        double wakeUpsPerSecond;     // the plain sampler: 10, and the timers' own on top
    };
    const Case cases[] = {
        {"defaults", {500, 500, 500, 1000, 500}, 4},
        {"the issue's mix", {500, 1000, 500, 1000, 500}, 4},
        {"everything at 100 ms: the readings are the samples", {100, 100, 100, 1000, 100}, 10},
        {"readings 50 ms apart need samples of their own", {200, 250}, 14},
        {"intervals off the 100 ms grid", {130, 170, 750, 1000, 30000}, 28.6},
        {"slow timers", {5000, 2000, 30000, 1000}, 2},
        {"one timer", {750}, 2.6},
        {"a timer at 0 ms is left out", {0, 750}, 2.6},
        {"no timers: the clock never beats", {}, 0},
    };
    for (const Case& c : cases) {
        const Outcome run = Simulate(c.intervals);
        EXPECT_EQ(run.readings > 0, c.wakeUpsPerSecond > 0) << c.what;
        EXPECT_EQ(run.wrong, 0) << c.what << ": of " << run.readings << " readings";
        EXPECT_DOUBLE_EQ(run.wakeUpsPerSecond, c.wakeUpsPerSecond) << c.what;
    }
}

}  // namespace
}  // namespace tarnwick
