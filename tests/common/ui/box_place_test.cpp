#include "common/ui/box_place.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

const BoxRect kScreen{0, 0, 1024, 740};  // a work area above a 28-pixel panel

struct Case {
    const char* what;
    int width;
    int height;
    std::optional<BoxRect> lastOpen;
    std::optional<BoxRect> monitor;
    int x;
    int y;
};

TEST(PlaceEventBox, CascadesFromTheCentreAroundTheMonitorWindow) {
    const Case cases[] = {
        {"first box: centred, ties to even", 301, 120, {}, {}, 362, 310},
        {"first box of an odd free width", 300, 121, {}, {}, 362, 310},
        {"next box: right and down of the last open one",
         300,
         120,
         BoxRect{362, 310, 300, 140},
         {},
         386,
         334},
        {"at the right edge: back to the left", 300, 120, BoxRect{710, 310, 300, 140}, {}, 0, 334},
        {"right at the edge still fits", 300, 120, BoxRect{700, 596, 300, 140}, {}, 724, 620},
        {"at the bottom: back to the top", 300, 120, BoxRect{100, 600, 300, 140}, {}, 124, 0},
        {"a last box dragged off the screen: the next one is on it",
         300,
         120,
         BoxRect{-500, -400, 300, 140},
         {},
         0,
         0},
        {"larger than the screen: its corner stays on it", 1200, 900, {}, {}, 0, 0},
        {"centre over the monitor: beside it, the shortest way",
         300,
         120,
         {},
         BoxRect{340, 200, 60, 300},
         400,
         310},
        {"below the monitor, the shortest way", 300, 120, {}, BoxRect{450, 300, 140, 71}, 362, 371},
        {"the monitor at the right edge: left of it",
         300,
         120,
         {},
         BoxRect{600, 300, 424, 200},
         300,
         310},
        {"the monitor across the screen's width: below it",
         300,
         120,
         {},
         BoxRect{0, 300, 1024, 71},
         362,
         371},
        {"no room beside the monitor: the box stays",
         300,
         120,
         {},
         BoxRect{0, 100, 1024, 600},
         362,
         310},
        {"a cascade step onto the monitor moves beside it", 300, 120, BoxRect{362, 310, 300, 140},
         BoxRect{600, 420, 140, 71}, 386, 300},
        {"a monitor elsewhere changes nothing", 300, 120, BoxRect{362, 310, 300, 140},
         BoxRect{0, 0, 140, 71}, 386, 334},
    };
    for (const Case& c : cases) {
        const BoxPoint at = PlaceEventBox(c.width, c.height, kScreen, c.lastOpen, c.monitor);
        EXPECT_EQ(at.x, c.x) << c.what;
        EXPECT_EQ(at.y, c.y) << c.what;
    }
}

TEST(PlaceEventBox, KeepsToAWorkAreaThatDoesNotStartAtTheOrigin) {
    const BoxRect second{1280, 30, 800, 570};  // a second screen under a top panel
    const BoxPoint first = PlaceEventBox(300, 120, second, {}, {});
    EXPECT_EQ(first.x, 1530);
    EXPECT_EQ(first.y, 255);
    const BoxPoint wrapped = PlaceEventBox(300, 120, second, BoxRect{1770, 470, 300, 140}, {});
    EXPECT_EQ(wrapped.x, 1280);
    EXPECT_EQ(wrapped.y, 30);
}

}  // namespace
}  // namespace tarnwick
