#include "monitor/tray/tray_value.h"

#include "tests/support/fakes.h"
#include "tests/support/recording_tray_icon.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::FakeMemory;
using testing::RecordingTrayIcon;

// The tips of icons 1 to 3 show in the window tests; the last one and those beyond are here.
TEST(TrayTip, NamesTheResourceWithoutTheNumber) {
    EXPECT_EQ(TrayTip(4), QStringLiteral("Virtual memory usage"));
    EXPECT_TRUE(TrayTip(0).isEmpty());
    EXPECT_TRUE(TrayTip(5).isEmpty());
}

TEST(TrayValue, ShowsTheLoadOrTheUsageOfTheChosenResource) {
    FakeMemory memory;
    memory.status = {1000, 250, 3000, 1500, 4000, 3000};
    CpuFigures cpu;
    cpu.CPUUsage = 37;
    Measures measures(memory, cpu, ".");
    // Operative memory keeps the total of the start; the available part is read afresh.
    memory.status = {2000, 125, 3000, 1500, 4000, 3000};

    EXPECT_EQ(TrayValue(1, measures), 37);
    EXPECT_EQ(TrayValue(2, measures), 88);  // 875 of 1000: 87.5 rounds to the even 88
    EXPECT_EQ(TrayValue(3, measures), 50);
    EXPECT_EQ(TrayValue(4, measures), 25);
    EXPECT_EQ(TrayValue(0, measures), 0);
}

TEST(ShowTrayValue, PicksThePictureOfTheClampedValue) {
    const TrayPictures pictures = BuildTrayPictures(BuiltInTrayStrip());
    RecordingTrayIcon icon;
    icon.TrayIconAdd(pictures[0], TrayTip(1));

    ShowTrayValue(icon, pictures, 42, TrayTip(3));
    EXPECT_EQ(icon.PictureIndex(pictures), 42);
    EXPECT_EQ(icon.ShownNumber(), 42);
    EXPECT_EQ(icon.Tip(), QStringLiteral("Swap file usage"));

    ShowTrayValue(icon, pictures, 130, TrayTip(1));
    EXPECT_EQ(icon.ShownNumber(), 100);
    ShowTrayValue(icon, pictures, -5, TrayTip(1));
    EXPECT_EQ(icon.ShownNumber(), 0);
    ShowTrayValue(icon, pictures, -5, TrayTip(1));  // unchanged values still modify the icon
    EXPECT_EQ(icon.Calls(),
              (std::vector<std::string>{"add", "modify", "modify", "modify", "modify"}));
}

}  // namespace
}  // namespace tarnwick
