#include "common/ui/box_place.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(PlaceEventBox, CascadesFromTheCentreAroundTheMonitorWindow) {
    const BoxRect screen{0, 0, 1024, 740};  // a work area above a 28-pixel panel
    const BoxRect last{362, 310, 300, 140};
    struct Case {
        const char* what;
        int width;
        std::optional<BoxRect> lastOpen;
        std::optional<BoxRect> monitor;
        BoxPoint at;
    };
    const Case cases[] = {
        {"first: centred, ties to even", 301, {}, {}, {362, 310}},
        {"next: right and down of the last open one", 300, last, {}, {386, 334}},
        {"past the right edge: back to the left", 300, BoxRect{710, 310, 300, 140}, {}, {0, 334}},
        {"just fits at both far edges", 300, BoxRect{700, 596, 300, 140}, {}, {724, 620}},
        {"past the bottom: back to the top", 300, BoxRect{100, 600, 300, 140}, {}, {124, 0}},
        {"wider than the screen: its left edge on it", 1200, {}, {}, {0, 310}},
        {"over the monitor: beside it, the shortest way",
         300,
         {},
         BoxRect{340, 200, 60, 300},
         {400, 310}},
        {"a cascade step onto the monitor: above it",
         300,
         last,
         BoxRect{600, 420, 140, 71},
         {386, 300}},
        {"no room beside the monitor: stays", 300, {}, BoxRect{0, 100, 1024, 600}, {362, 310}},
    };
    for (const Case& c : cases) {
        const BoxPoint at = PlaceEventBox(c.width, 120, screen, c.lastOpen, c.monitor);
        EXPECT_EQ(at.x, c.at.x) << c.what;
        EXPECT_EQ(at.y, c.at.y) << c.what;
    }
    // A second screen under a top panel: its own edges count.
    const BoxPoint wrapped =
        PlaceEventBox(300, 120, {1280, 30, 800, 570}, BoxRect{1770, 470, 300, 140}, {});
    EXPECT_EQ(wrapped.x, 1280);
    EXPECT_EQ(wrapped.y, 30);
}

}  // namespace
}  // namespace tarnwick
