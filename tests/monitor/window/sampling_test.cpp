// The monitor's processor sampling on a clock of the platform instead of its TaktTimer.
#include "window_fixture.h"

namespace tarnwick {
namespace {

TEST_F(MonitorWindowTest, AClockOfThePlatformSamplesInsteadOfTheTaktTimerUntilTheWindowCloses) {
    testing::FakeSamplingClock clock;
    services_.samplingClock = &clock;
    WriteSettings("[main]\nicons=1\n");
    TfrMain& window = Start();
    ASSERT_TRUE(clock.Active());
    EXPECT_EQ(clock.Interval(), window.timer(WindowTimer::TaktTimer).interval());
    EXPECT_FALSE(window.timer(WindowTimer::TaktTimer).isActive());  // one sampler, not two
    // A quarter of the 100 ms idle: 75 % load, seen by the tray icon at its next tick.
    processor_.tick += 100;
    processor_.idle += 250000;
    clock.Beat();
    EXPECT_EQ(window.Cpu().CPUUsage, 75);
    Tick(window.timer(WindowTimer::IconsTimer));
    EXPECT_EQ(tray_.ShownNumber(), 75);
    window.close();
    EXPECT_FALSE(clock.Active());
}

}  // namespace
}  // namespace tarnwick
