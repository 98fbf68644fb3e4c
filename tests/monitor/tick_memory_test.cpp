#include "monitor/tick_memory.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/fakes.h"

namespace tarnwick {
namespace {

constexpr int kNoTimer = TickMemoryFigures::kNoTimer;
constexpr int kWakeUp = -2;  // a step that announces a new wake-up instead of reading

struct Step {
    int reader;        // a timer, kNoTimer, or kWakeUp
    bool readsSystem;  // whether this read goes to the system's figures
};

// The system's available memory grows by one byte at every read of it, so each reading shows
// which read of the system it comes from.
class TickMemory : public ::testing::Test {
protected:
    void Run(const std::vector<Step>& steps) {
        TickMemoryFigures figures(system_);
        std::int64_t lastSeen = 0;
        int index = 0;
        for (const Step& step : steps) {
            ++index;
            if (step.reader == kWakeUp) {
                figures.NewWakeUp();
                continue;
            }
            const int before = system_.reads;
            platform::MemoryStatus status;
            {
                auto reading = figures.ReadingFor(step.reader);
                system_.status.availPhys = system_.reads + 1;
                figures.ReadMemoryStatus(status);
            }
            EXPECT_EQ(system_.reads - before, step.readsSystem ? 1 : 0) << "step " << index;
            // Shared figures are those of the latest read of the system.
            EXPECT_EQ(status.availPhys, step.readsSystem ? system_.reads : lastSeen)
                << "step " << index;
            lastSeen = status.availPhys;
        }
    }

    tarnwick::testing::FakeMemory system_;
};

TEST_F(TickMemory, TimersOfOneWakeUpShareOneReading) {
    Run({
        {0, true},   // indicator 1 reads for its tick
        {1, false},  // indicator 2 and the diagram expire in the same wake-up
        {2, false},
        {kWakeUp, false},
        {2, true},  // the next wake-up reads afresh
        {3, false},
    });
}

TEST_F(TickMemory, ATimerReadingTwiceStartsANewTick) {
    Run({
        {0, true},
        {1, false},
        {0, true},  // no wake-up was announced (ticks handed on directly): a new tick
        {1, false},
        {1, true},
    });
}

TEST_F(TickMemory, ReadsOutsideATickAreAlwaysFresh) {
    Run({
        {kNoTimer, true},  // a menu
        {0, true},         // a tick after it does not take the menu's figures
        {kNoTimer, true},
        {1, true},  // nor the tick's before the menu
        {2, false},
        {40, true},  // no timer of ours
        {40, true},
    });
}

TEST_F(TickMemory, ReadsOutsideATimersScopeAreNoTicks) {
    TickMemoryFigures figures(system_);
    platform::MemoryStatus status;
    {
        auto reading = figures.ReadingFor(0);
        figures.ReadMemoryStatus(status);
    }
    figures.ReadMemoryStatus(status);  // the scope has ended
    EXPECT_EQ(figures.SystemReads(), 2);
}

}  // namespace
}  // namespace tarnwick
