#pragma once

#include "common/platform_id.h"
#include "platform/figures.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

namespace tarnwick {

// The two processor figures the sampler leaves for the rest of the monitor: the indicators,
// the tray icon and the events read them. The load is refreshed on the user-interface thread,
// at the timers' readings or on the plain 100 ms beat; it stays atomic so any thread may read it.
struct CpuFigures {
    std::atomic<std::int32_t> CPUUsage = 0;  // percent, 0..100, the load of the last 100 ms
    std::int32_t CPUSpeed = 0;               // whole MHz, measured once at start-up
};

// A load as the monitor keeps it: below 0 reads 0, above 100 reads 100.
std::int32_t ClampLoad(std::int32_t load);

// The processor sampler: load from the idle time between two samples, speed from the
// time-stamp counter, and the priority of the monitor's process.
//
// It samples in one of two ways. On a plain 100 ms beat, Takt measures each period against
// the one before. On a sampling clock that beats only ahead of readings, Sample keeps the idle
// time of its moment and ReadLoad, at a timer's reading, measures against the kept sample
// nearest to 100 ms old, so each reading shows the load of the 100 ms that ended at it.
//
// All calls come from the user-interface thread, except Sample, which runs on the sampling
// clock's thread while it beats; InitCPUUsage and DoneCPUUsage are called only while it stands.
class UseCpu {
public:
    UseCpu(platform::ProcessorFigures& processor, platform::ProcessPriority& priority,
           int platformNumber);

    // Takes the first sample that the first GetCPUUsage measures against. Does nothing and
    // returns true unless the platform is 3; false when the idle time cannot be read.
    bool InitCPUUsage();

    // Load in whole percent of the period since the previous call, not clamped.
    std::int32_t GetCPUUsage();

    // Ends sampling; later loads read 0 until InitCPUUsage runs again.
    bool DoneCPUUsage();

    // Processor speed in MHz: cycles of the time-stamp counter over 500 ms. Blocks the caller
    // for about 510 ms.
    double GetCPUSpeed();

    // Sets the process priority for a level -1, 0, 1 or 2 (any other level changes nothing)
    // and returns the level the process has afterwards, which is the old one when the system
    // refused.
    int SetPriority(int level);

    // The 100 ms clock: CPUUsage := GetCPUUsage clamped to 0..100.
    void Takt();

    // Keeps the idle time of this moment for the readings of the next 100 ms.
    void Sample();

    // CPUUsage := the load since the kept sample nearest to 100 ms old, clamped to 0..100;
    // the moment is kept too. Where every kept sample is of this very moment, CPUUsage stays.
    void ReadLoad();

    // At start-up: CPUSpeed := GetCPUSpeed rounded, ties to even.
    void TakeCPUSpeed();

    const CpuFigures& Figures() const { return figures_; }

private:
    struct Mark {
        std::uint32_t tick = 0;
        std::int64_t idle = 0;
    };
    // Readings of several timers and their samples within 100 ms, with room to spare.
    static constexpr int kMarks = 32;

    // The load of a period of elapsedMs > 0 in which the idle time grew by idleUnits.
    static std::int32_t LoadOver(std::uint32_t elapsedMs, std::int64_t idleUnits);
    // Call with marksMutex_ held.
    void KeepMark(std::uint32_t tick, std::int64_t idle);

    platform::ProcessorFigures& processor_;
    platform::ProcessPriority& priority_;
    int platform_;
    bool sampling_ = false;
    std::int64_t previousIdle_ = 0;
    std::int64_t currentIdle_ = 0;
    std::uint32_t lastTick_ = 0;
    CpuFigures figures_;
    std::mutex marksMutex_;  // Sample and ReadLoad run on different threads
    std::array<Mark, kMarks> marks_{};
    int markCount_ = 0;
    int newestMark_ = 0;
};

}  // namespace tarnwick
