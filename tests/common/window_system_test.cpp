#include <gtest/gtest.h>

#include <string>

#include "common/window_system.h"

namespace tarnwick {
namespace {

struct Case {
    const char* what;
    WindowSystemEnvironment environment;
    bool xOpens;
    bool waylandOpens;
    std::string platform;
    bool notice;
    bool noDisplay;
};

WindowSystemEnvironment Environment(std::string qpa, std::string wayland, std::string session,
                                    std::string display, bool platformArgument = false) {
    WindowSystemEnvironment environment;
    environment.qpaPlatform = std::move(qpa);
    environment.waylandDisplay = std::move(wayland);
    environment.sessionType = std::move(session);
    environment.display = std::move(display);
    environment.platformArgument = platformArgument;
    return environment;
}

TEST(WindowSystemTest, WaylandDesktopsRunOnXWaylandUnlessTheUserChose) {
    const Case cases[] = {
        {"Wayland with XWayland", Environment("", "wayland-0", "wayland", ":0"), true, true, "xcb",
         true, false},
        {"a session type alone marks Wayland", Environment("", "", "wayland", ":1"), true, true,
         "xcb", true, false},
        {"no compositor answers: Qt falls back to X11 itself, nothing to say",
         Environment("", "wayland-0", "", ":0"), true, false, "xcb", false, false},
        {"DISPLAY set but no X server opens", Environment("", "wayland-0", "wayland", ":0"), false,
         true, "", false, false},
        {"no DISPLAY: Qt's own Wayland", Environment("", "wayland-0", "wayland", ""), true, true,
         "", false, false},
        {"the user's platform wins", Environment("wayland", "wayland-0", "wayland", ":0"), true,
         true, "", false, false},
        {"the user's offscreen needs no display", Environment("offscreen", "", "", ""), false,
         false, "", false, false},
        {"-platform on the command line wins", Environment("", "wayland-0", "wayland", ":0", true),
         true, true, "", false, false},
        {"an X11 session stays", Environment("", "", "x11", ":0"), true, false, "", false, false},
        {"nothing to open", Environment("", "", "", ""), false, false, "", false, true},
        {"a DISPLAY without a server", Environment("", "", "x11", ":9"), false, false, "", false,
         true},
        {"a Wayland session whose compositor is gone, no X",
         Environment("", "wayland-9", "wayland", ""), false, false, "", false, true},
        {"the user's xcb without an X server", Environment("xcb", "wayland-0", "", ":0"), false,
         true, "", false, true},
        {"the user's wayland without a compositor", Environment("wayland", "", "", ":0"), true,
         false, "", false, true},
        {"a list of platforms is Qt's to try", Environment("wayland;xcb", "", "", ""), false, false,
         "", false, false},
    };
    for (const Case& c : cases) {
        const WindowSystemChoice choice = ChooseWindowSystem(
            c.environment, {[&c] { return c.xOpens; }, [&c] { return c.waylandOpens; }});
        EXPECT_EQ(choice.platform, c.platform) << c.what;
        EXPECT_EQ(!choice.notice.empty(), c.notice) << c.what;
        EXPECT_EQ(choice.noDisplay, c.noDisplay) << c.what;
    }
}

TEST(WindowSystemTest, ConnectionsAreTriedOnlyWhereTheAnswerDependsOnThem) {
    int tries = 0;
    const WindowSystemProbes counting{[&tries] {
                                          ++tries;
                                          return true;
                                      },
                                      [&tries] {
                                          ++tries;
                                          return true;
                                      }};
    ChooseWindowSystem(Environment("wayland;xcb", "wayland-0", "wayland", ":0"), counting);
    ChooseWindowSystem(Environment("offscreen", "", "", ":0"), counting);
    ChooseWindowSystem(Environment("", "wayland-0", "wayland", ":0", true), counting);
    EXPECT_EQ(tries, 0);
}

}  // namespace
}  // namespace tarnwick
