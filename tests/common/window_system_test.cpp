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

TEST(WindowSystemTest, TheLayerShellRouteWhereTheCompositorOffersItAndX11ServesWorse) {
    // The environment (with XDG_CURRENT_DESKTOP last); whether X, Wayland and the layer shell
    // answer; what is chosen, whether the window goes on a layer, no display.
    const struct {
        WindowSystemEnvironment environment;
        bool xOpens, waylandOpens, layerShell;
        const char* platform;
        bool layer, noDisplay;
    } cases[] = {
        // sway and its kin: native even where XWayland runs.
        {{"", false, "wayland-1", "wayland", ":0", "sway"},
         true,
         true,
         true,
         "wayland",
         true,
         false},
        {{"", false, "wayland-1", "", "", ""}, false, true, true, "wayland", true, false},
        // KDE Plasma and GNOME keep X11 while an X server answers...
        {{"", false, "wayland-0", "wayland", ":0", "KDE"}, true, true, true, "xcb", false, false},
        {{"", false, "wayland-0", "wayland", ":0", "ubuntu:GNOME"},
         true,
         true,
         true,
         "xcb",
         false,
         false},
        // ...and go native without one, or where the user asks for Wayland.
        {{"", false, "wayland-0", "wayland", ":0", "KDE"},
         false,
         true,
         true,
         "wayland",
         true,
         false},
        {{"wayland", false, "wayland-0", "wayland", ":0", "KDE"},
         true,
         true,
         true,
         "",
         true,
         false},
        // No layer shell: as before.
        {{"", false, "wayland-1", "wayland", ":0", "sway"}, true, true, false, "xcb", false, false},
        {{"", false, "wayland-1", "wayland", "", "sway"}, false, true, false, "", false, false},
        {{"wayland", false, "wayland-1", "", "", "sway"}, false, true, false, "", false, false},
        // Never without a compositor that answers, nor off a Wayland session, nor against
        // the user's choice.
        {{"", false, "wayland-9", "wayland", ":0", "sway"}, true, false, true, "xcb", false, false},
        {{"", false, "wayland-9", "wayland", "", "sway"}, false, false, true, "", false, true},
        {{"", false, "", "x11", ":0", "sway"}, true, false, true, "", false, false},
        {{"xcb", false, "wayland-1", "wayland", ":0", "sway"}, true, true, true, "", false, false},
        {{"", true, "wayland-1", "wayland", ":0", "sway"}, true, true, true, "", false, false},
        {{"wayland;xcb", false, "wayland-1", "wayland", ":0", "sway"},
         true,
         true,
         true,
         "",
         false,
         false},
    };
    int row = 0;
    for (const auto& c : cases) {
        ++row;
        const WindowSystemChoice choice = ChooseWindowSystem(
            c.environment, {[&c] { return c.xOpens; }, [&c] { return c.waylandOpens; },
                            [&c] { return c.layerShell; }});
        EXPECT_EQ(choice.platform, c.platform) << row;
        EXPECT_EQ(choice.layerShell, c.layer) << row;
        EXPECT_EQ(choice.noDisplay, c.noDisplay) << row;
        EXPECT_TRUE(!choice.layerShell || choice.notice.empty()) << row;
    }
}

TEST(WindowSystemTest, TheLayerShellIsAskedOnlyWhereTheNativeRouteIsOpen) {
    int asked = 0;
    const auto yes = [] { return true; };
    const auto counted = [&asked] { return ++asked > 0; };
    ChooseWindowSystem({"", false, "wayland-0", "wayland", ":0", "KDE"}, {yes, yes, counted});
    ChooseWindowSystem({"", false, "wayland-0", "wayland", ":0", "sway"},
                       {yes, [] { return false; }, counted});
    ChooseWindowSystem({"", false, "", "x11", ":0", "sway"}, {yes, yes, counted});
    EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace tarnwick
