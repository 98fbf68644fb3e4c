#include <gtest/gtest.h>

#include "common/window_system.h"

namespace tarnwick {
namespace {

TEST(WindowSystemTest, WaylandDesktopsRunOnXWaylandUnlessTheUserChose) {
    // QT_QPA_PLATFORM, WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, -platform; whether X and
    // Wayland answer; what is chosen ("" is Qt's own choice), a notice, no display.
    const struct {
        WindowSystemEnvironment environment;
        bool xOpens, waylandOpens;
        const char* platform;
        bool notice, noDisplay;
    } cases[] = {
        {{"", false, "wayland-0", "wayland", ":0"}, true, true, "xcb", true, false},
        {{"", false, "", "wayland", ":1"}, true, true, "xcb", true, false},
        // No compositor answers: Qt falls back to X11 itself, so nothing needs saying.
        {{"", false, "wayland-0", "", ":0"}, true, false, "xcb", false, false},
        {{"", false, "wayland-0", "wayland", ":0"}, false, true, "", false, false},
        {{"", false, "wayland-0", "wayland", ""}, true, true, "", false, false},
        {{"wayland", false, "wayland-0", "wayland", ":0"}, true, true, "", false, false},
        {{"offscreen", false, "", "", ""}, false, false, "", false, false},
        {{"", true, "wayland-0", "wayland", ":0"}, true, true, "", false, false},
        {{"", false, "", "x11", ":0"}, true, false, "", false, false},
        {{"wayland;xcb", false, "", "", ""}, false, false, "", false, false},
        // Nothing that opens.
        {{"", false, "", "", ""}, false, false, "", false, true},
        {{"", false, "", "x11", ":9"}, false, false, "", false, true},
        {{"", false, "wayland-9", "wayland", ""}, false, false, "", false, true},
        {{"xcb", false, "wayland-0", "", ":0"}, false, true, "", false, true},
        {{"wayland", false, "", "", ":0"}, true, false, "", false, true},
    };
    int row = 0;
    for (const auto& c : cases) {
        ++row;
        const WindowSystemChoice choice = ChooseWindowSystem(
            c.environment, {[&c] { return c.xOpens; }, [&c] { return c.waylandOpens; }});
        EXPECT_EQ(choice.platform, c.platform) << row;
        EXPECT_EQ(!choice.notice.empty(), c.notice) << row;
        EXPECT_EQ(choice.noDisplay, c.noDisplay) << row;
    }
}

TEST(WindowSystemTest, ConnectionsAreTriedOnlyWhereTheAnswerDependsOnThem) {
    int tries = 0;
    const auto counted = [&tries] { return ++tries > 0; };
    ChooseWindowSystem({"wayland;xcb", false, "wayland-0", "wayland", ":0"}, {counted, counted});
    ChooseWindowSystem({"offscreen", false, "", "", ":0"}, {counted, counted});
    ChooseWindowSystem({"", true, "wayland-0", "wayland", ":0"}, {counted, counted});
    EXPECT_EQ(tries, 0);
}

}  // namespace
}  // namespace tarnwick
