// The pressure figures of Linux on captured /proc/pressure files, and an event of the monitor
// that watches them.
#include "platform/linux/pressure_linux.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "common/profile_file.h"
#include "monitor/events/events_controller.h"
#include "tests/support/event_fakes.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::platform {
namespace {

const std::string kData = TARNWICK_TEST_DATA;

using Shares3 = std::array<std::optional<std::int32_t>, 3>;

// The shares of processor, memory and input/output, nothing where the read fails.
Shares3 Shares(const std::string& procRoot) {
    LinuxPressureFigures figures(procRoot);
    Shares3 shares;
    for (int i = 0; i < 3; ++i) {
        std::int32_t hundredths = -7;
        if (figures.ReadSomeShare(static_cast<StallResource>(i), hundredths)) {
            shares[static_cast<std::size_t>(i)] = hundredths;
        } else {
            EXPECT_EQ(hundredths, -7) << procRoot << " " << i;  // left alone
        }
    }
    return shares;
}

TEST(LinuxPressureFigures, SomeShareOfTheLastTenSecondsInHundredths) {
    // Captured during a build: the processor 99.15 % stalled, memory 0.00 %, input/output
    // 0.01 %; each file with its "full" line after the "some" one.
    EXPECT_EQ(Shares(kData + "/proc-pressure-live"), (Shares3{9915, 0, 1}));
    // Kernels before 5.13 have no "full" line for the processor; a whole 100.00 is the top.
    EXPECT_EQ(Shares(kData + "/proc-pressure-busy"), (Shares3{1250, 2051, 10000}));
}

TEST(LinuxPressureFigures, NothingWhereTheKernelDoesNotTellIt) {
    // No /proc/pressure at all (before 4.20, switched off, many containers).
    EXPECT_EQ(Shares(kData + "/proc-old-kernel"), Shares3{});
    // A file cut inside its number, one without a "some" line, one with a word for a number.
    EXPECT_EQ(Shares(kData + "/proc-pressure-damaged"), Shares3{});
}

// "Memory pressure more than -1 %" holds whenever there is a share at all.
int FiringsOn(const std::string& procRoot) {
    testing::TempFolder folder;
    const std::string path = folder.file("events.cfg");
    testing::TempFolder::Write(path,
                               "[main]\ncount=1\n[event1]\nname=Stalls\nevent=5\nbiglit=0\n"
                               "value=-1\nmeasure=0\nhour=0\nmin=0\nsec=2\naction=4\nexecute=2\n"
                               "active=1\n[action1]\nfolder=/tmp\n");
    testing::FakeMemory memory;
    CpuFigures cpu;
    Measures measures(memory, cpu, ".");
    testing::FakeActionSet fakes;
    EventActions actions(fakes.Services());
    EventsController engine(nullptr, measures, cpu, actions, nullptr, path);
    LinuxPressureFigures pressure(procRoot);
    engine.SetPressureFigures(pressure);
    engine.miRefEventsClick();
    for (int tick = 0; tick < 4; ++tick) {
        engine.CheckEvents();
    }
    return static_cast<int>(fakes.dialogs.opened.size());
}

TEST(PressureEvents, AMemoryPressureEventFiresOnlyWhereTheKernelHasTheFile) {
    EXPECT_EQ(FiringsOn(kData + "/proc-pressure-live"), 2);  // on ticks 2 and 4
    EXPECT_EQ(FiringsOn(kData + "/proc-old-kernel"), 0);
    EXPECT_EQ(FiringsOn(kData + "/proc-pressure-damaged"), 0);
}

}  // namespace
}  // namespace tarnwick::platform
