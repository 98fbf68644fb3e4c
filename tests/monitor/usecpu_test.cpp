#include "monitor/usecpu.h"

#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::FakePriority;
using testing::FakeProcessor;

constexpr std::int64_t kSecond = 10000000;  // 100-ns units

class UseCpuTest : public ::testing::Test {
protected:
    FakeProcessor processor;
    FakePriority priority;
    UseCpu sampler{processor, priority, kPlatformNt};
};

class UseCpuLoad : public UseCpuTest {
protected:
    void SetUp() override {
        processor.tick = 5000;
        processor.idle = 40 * kSecond;
        ASSERT_TRUE(sampler.InitCPUUsage());
    }

    // One period: the clock moves by ms, the idle time by idleUnits.
    std::int32_t Period(std::uint32_t ms, std::int64_t idleUnits) {
        processor.tick += ms;
        processor.idle += idleUnits;
        return sampler.GetCPUUsage();
    }
};

TEST_F(UseCpuLoad, IdleTimeAgainstElapsedTimeWithTiesToEven) {
    EXPECT_EQ(Period(100, kSecond / 10), 0);  // idle grew by exactly the elapsed time
    EXPECT_EQ(Period(100, 0), 100);           // idle did not grow
    EXPECT_EQ(Period(1000, 7 * kSecond / 10), 30);
    EXPECT_EQ(Period(1000, 8750000), 12);  // 12.5
    EXPECT_EQ(Period(1000, 6250000), 38);  // 37.5
}

TEST_F(UseCpuLoad, FirstSampleMeasuresFromTheSeed) {
    processor.tick = 5200;  // the seed was at 5000
    processor.idle += kSecond / 10;
    EXPECT_EQ(sampler.GetCPUUsage(), 50);
}

TEST_F(UseCpuLoad, StillOrWrappedTickGivesZeroAndMovesOn) {
    EXPECT_EQ(Period(0, 0), 0);
    // The next period runs from the same tick.
    EXPECT_EQ(Period(100, 0), 100);

    processor.tick = 0xFFFFFF00u;
    sampler.GetCPUUsage();
    processor.tick = 0x40;  // wrapped
    EXPECT_EQ(sampler.GetCPUUsage(), 0);
    EXPECT_EQ(Period(100, kSecond / 10), 0);
    EXPECT_EQ(Period(100, 0), 100);
}

TEST_F(UseCpuLoad, OutOfRangeLoadsAreClampedByTheClock) {
    // Idle ran ahead of the clock (a stall): far below 0, and 0 once clamped.
    EXPECT_LT(Period(100, 5 * kSecond), 0);
    processor.tick += 100;
    processor.idle += 5 * kSecond;
    sampler.Takt();
    EXPECT_EQ(sampler.Figures().CPUUsage, 0);

    // Idle went backwards: above 100.
    processor.tick += 100;
    processor.idle -= kSecond / 10;
    sampler.Takt();
    EXPECT_EQ(sampler.Figures().CPUUsage, 100);

    processor.tick += 100;
    processor.idle += kSecond / 20;
    sampler.Takt();
    EXPECT_EQ(sampler.Figures().CPUUsage, 50);
}

TEST_F(UseCpuLoad, UnreadableIdleTimeReadsFullyBusyAndDoneStopsSampling) {
    processor.idleReadable = false;
    EXPECT_EQ(Period(100, kSecond / 10), 100);
    processor.idleReadable = true;
    // The idle time now catches up two periods' worth over one period: below 0.
    EXPECT_EQ(Period(100, kSecond / 10), -100);

    EXPECT_TRUE(sampler.DoneCPUUsage());
    EXPECT_EQ(Period(100, 0), 0);
}

TEST_F(UseCpuTest, UnreadableIdleTimeAtStartLeavesLoadAtZero) {
    processor.idleReadable = false;
    EXPECT_FALSE(sampler.InitCPUUsage());
    processor.tick += 100;
    EXPECT_EQ(sampler.GetCPUUsage(), 0);
}

TEST(UseCpu, OtherPlatformsReadFullLoad) {
    for (int platformNumber : {-1, kPlatformWin32s, kPlatformWindows9x}) {
        FakeProcessor processor;
        FakePriority priority;
        UseCpu sampler(processor, priority, platformNumber);
        EXPECT_TRUE(sampler.InitCPUUsage());
        processor.tick = 100;
        processor.idle = kSecond;
        EXPECT_EQ(sampler.GetCPUUsage(), 100) << platformNumber;
        sampler.Takt();
        EXPECT_EQ(sampler.Figures().CPUUsage, 100);
    }
}

TEST_F(UseCpuTest, SpeedFromTheCounterOverHalfASecond) {
    processor.counterReadings = {1000000000, 1000000000 + 1048018500};
    EXPECT_DOUBLE_EQ(sampler.GetCPUSpeed(), 2096.037);
    const std::vector<std::string> order = {"raise",     "sleep 10", "counter",
                                            "sleep 500", "counter",  "restore"};
    EXPECT_EQ(processor.calls, order);
}

TEST_F(UseCpuTest, SpeedUsesTheLowThirtyTwoBitsAndRoundsToEven) {
    // 2^32 + 1000250000 cycles: only the low 32 bits count, 2000.5 MHz, which rounds to 2000.
    processor.counterReadings = {0x100, 0x100 + (std::uint64_t{1} << 32) + 1000250000, 0,
                                 1000750000};
    sampler.TakeCPUSpeed();
    EXPECT_EQ(sampler.Figures().CPUSpeed, 2000);
    sampler.TakeCPUSpeed();  // 2001.5
    EXPECT_EQ(sampler.Figures().CPUSpeed, 2002);
}

TEST_F(UseCpuTest, SpeedWithoutCounterIsTheNominalClock) {
    processor.hasCounter = false;
    processor.nominal = 1800.5;
    EXPECT_DOUBLE_EQ(sampler.GetCPUSpeed(), 1800.5);
    EXPECT_TRUE(processor.calls.empty());
}

TEST_F(UseCpuTest, PriorityLevels) {
    priority.highestAllowed = 0;  // no privilege to raise
    EXPECT_EQ(sampler.SetPriority(-1), -1);
    EXPECT_EQ(sampler.SetPriority(0), 0);
    EXPECT_EQ(sampler.SetPriority(2), 0);  // refused, read back as it is

    // A level outside -1..2 changes nothing and tells the current level.
    priority.requests.clear();
    priority.level = -1;
    EXPECT_EQ(sampler.SetPriority(5), -1);
    EXPECT_TRUE(priority.requests.empty());
}

}  // namespace
}  // namespace tarnwick
