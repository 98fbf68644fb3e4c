// The monitor stays reachable: without a tray host the window neither starts hidden nor hides,
// a host that comes or goes later is noticed, and the keyboard, screen readers and a window
// system that keeps positions to itself are served.
#include <QMenu>
#include <QTest>

#include "monitor/tray/reach.h"
#include "window_fixture.h"

namespace tarnwick {
namespace {

class MonitorReachTest : public MonitorWindowTest {
protected:
    // The tray host appears or goes away, and the window's next look at it notices.
    void SetTrayHost(bool available) {
        tray_.available = available;
        Tick(window_->timer(WindowTimer::TrayWatchTimer));
    }
    bool MinimizeOffered() { return Item("pmMin")->isEnabled() && Item("pmMinTray")->isEnabled(); }
};

TEST_F(MonitorReachTest, TheWindowStartsHiddenOnlyBehindAnIconThatATrayShows) {
    const struct {
        const char* settings;
        bool trayHost;
        bool shown;
        bool minimizeOffered;
        const char* caption;
    } cases[] = {
        {"[main]\nvisible=0\nicons=1\n", true, false, true, "&Restore"},
        {"[main]\nvisible=0\nicons=1\n", false, true, false, "&Minimize"},
        // No icon chosen: nothing would bring the window back, tray host or not.
        {"[main]\nvisible=0\nicons=0\n", true, true, true, "&Minimize"},
        {"[main]\nvisible=1\nicons=3\n", false, true, false, "&Minimize"},
    };
    for (const auto& c : cases) {
        WriteSettings(c.settings);
        tray_.available = c.trayHost;
        TfrMain& window = Start();
        const std::string row = std::string(c.settings) + (c.trayHost ? "with" : "without");
        EXPECT_EQ(window.isVisible(), c.shown) << row;
        EXPECT_EQ(MinimizeOffered(), c.minimizeOffered) << row;
        EXPECT_EQ(Item("pmMin")->text(), QString::fromLatin1(c.caption)) << row;
        EXPECT_EQ(Item("pmMin")->toolTip().contains(QLatin1String("no system tray")),
                  !c.minimizeOffered)
            << row;
        window.close();
    }
}

TEST_F(MonitorReachTest, WithoutATrayNoWayOfMinimizingHidesTheWindowOrStoresItHidden) {
    tray_.available = false;
    TfrMain& window = Start();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F12);
    Click("pmMin");
    QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Stored("main", "icons"), std::nullopt);  // no icon turned on for nothing
    window.close();
    EXPECT_EQ(Stored("main", "visible"), "1");
}

TEST_F(MonitorReachTest, AWindowShownForWantOfATrayKeepsTheUsersChoiceForTheNextStart) {
    WriteSettings("[main]\nvisible=0\nicons=2\n");
    tray_.available = false;
    TfrMain& window = Start();
    ASSERT_TRUE(window.isVisible());
    window.close();
    EXPECT_EQ(Stored("main", "visible"), "0");
    EXPECT_EQ(Stored("main", "icons"), "2");
}

TEST_F(MonitorReachTest, ATrayThatComesLaterShowsTheIconAndOneThatGoesBringsTheWindowBack) {
    WriteSettings("[main]\nvisible=0\nicons=2\n");
    tray_.available = false;
    TfrMain& window = Start();
    ASSERT_TRUE(window.isVisible());

    tray_.ClearCalls();
    SetTrayHost(true);
    // The icon goes in anew, so the new host shows it; the window stays where the user sees it.
    EXPECT_EQ(tray_.Calls(), (std::vector<std::string>{"delete", "add"}));
    EXPECT_TRUE(tray_.Shown());
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Operation memory usage"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(MinimizeOffered());
    EXPECT_FALSE(Item("pmMin")->toolTip().contains(QLatin1String("no system tray")));

    Click("pmMin");
    EXPECT_FALSE(window.isVisible());
    SetTrayHost(false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Item("pmMin")->text(), QStringLiteral("&Minimize"));
    EXPECT_FALSE(MinimizeOffered());
    // The user hid it; only the missing tray showed it again.
    window.close();
    EXPECT_EQ(Stored("main", "visible"), "0");
}

TEST_F(MonitorReachTest, WhereTheWindowSystemKeepsThePositionTheSavedOneStays) {
    for (const char* platform : {"wayland", "xcb"}) {
        WriteSettings("[main]\nx=300\ny=200\nsnap=1\n");
        services_.platformName = QString::fromLatin1(platform);
        TfrMain& window = Start();
        const bool kept = std::string(platform) == "wayland";
        // Docking and fixing cannot work where the compositor places the window: greyed, and
        // the tip says why.
        for (const char* item : {"pmDock", "pmBolt"}) {
            EXPECT_EQ(Item(item)->isEnabled(), !kept) << platform << item;
            EXPECT_EQ(Item(item)->toolTip().contains(QLatin1String("Wayland")), kept)
                << platform << item;
        }
        window.move(0, 0);  // what Qt reports where the compositor tells nothing
        window.ReloadSettings();
        window.close();
        EXPECT_EQ(Stored("main", "x"), kept ? "300" : "0") << platform;
        EXPECT_EQ(Stored("main", "y"), kept ? "200" : "0") << platform;
        EXPECT_EQ(Stored("main", "visible"), "1") << platform;  // the rest of the batch
    }
}

TEST_F(MonitorReachTest, ShiftF10OpensThePopupMenuAndEndsNothing) {
    TfrMain& window = Start();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QMenu* menu = window.findChild<QMenu*>(QStringLiteral("MainPopMenu"));
    ASSERT_FALSE(menu->isVisible());
    QTest::keyClick(&window, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(window.rect().contains(window.mapFromGlobal(menu->pos())));
    menu->close();
    EXPECT_TRUE(window.isVisible());  // F10 alone is "E&xit"
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(SettingsPath())));
}

TEST_F(MonitorReachTest, ScreenReadersHearTheReadingsTheWindowShows) {
    services_.assistiveTechnology = [] { return true; };
    WriteSettings("[indicator1]\ntype=5\n[indicator2]\ntype=6\n[indicator3]\ntype=7\n");
    TfrMain& window = Start();
    EXPECT_EQ(window.accessibleName(),
              QStringLiteral("Tarnwick: Operative memory usage 50 %, Operative memory free 50 %"));
    EXPECT_EQ(window.accessibleDescription(),
              QStringLiteral("Operative memory usage 50 %, Operative memory free 50 %"));

    memory_.status.availPhys = 128 * kMB;
    // A gauge repaints; the words wait for the second to pass.
    Tick(window.timer(WindowTimer::Timer1));
    EXPECT_TRUE(
        window.accessibleDescription().startsWith(QStringLiteral("Operative memory usage 50 %")));
    Tick(window.timer(WindowTimer::EventsTimer));
    EXPECT_EQ(window.accessibleDescription(),
              QStringLiteral("Operative memory usage 75 %, Operative memory free 25 %"));

    Click("pmMode1");  // one diagram: its measure alone
    Tick(window.timer(WindowTimer::EventsTimer));
    EXPECT_EQ(window.accessibleDescription(), QStringLiteral("Operative memory usage 384 MB"));
}

}  // namespace
}  // namespace tarnwick
