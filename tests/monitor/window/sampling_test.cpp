// The monitor's processor sampling on a clock of the platform instead of its TaktTimer.
#include "platform/sampling_clock.h"
#include "window_fixture.h"

namespace tarnwick {
namespace {

TEST_F(MonitorWindowTest, AClockOfThePlatformSamplesAheadOfTheReadingsUntilTheWindowCloses) {
    testing::FakeSamplingClock clock;
    services_.samplingClock = &clock;
    WriteSettings("[main]\nicons=1\n");
    TfrMain& window = Start();
    ASSERT_TRUE(clock.Active());
    EXPECT_FALSE(window.timer(WindowTimer::TaktTimer).isActive());  // one sampler, not two
    // Every timer reads each 500 ms: the clock wakes 100 ms before the next reading, not
    // every 100 ms.
    const std::int64_t now = platform::MonotonicMs();
    const std::int64_t beat = clock.NextBeatAfter(now);
    EXPECT_GT(beat, now);
    EXPECT_LE(beat, now + 400);
    EXPECT_EQ(clock.NextBeatAfter(beat), beat + 500);
    // A busy second, then the 100 ms before the tray's reading a quarter idle: the reading
    // shows 75 %, the load of those 100 ms alone.
    processor_.tick += 400;
    clock.Beat();
    processor_.tick += 100;
    processor_.idle += 250000;
    Tick(window.timer(WindowTimer::IconsTimer));
    EXPECT_EQ(window.Cpu().CPUUsage, 75);
    EXPECT_EQ(tray_.ShownNumber(), 75);
    window.close();
    EXPECT_FALSE(clock.Active());
}

}  // namespace
}  // namespace tarnwick
