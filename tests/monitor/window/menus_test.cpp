// The typed menus of the window: every grouped item reaches its handler with its own value,
// the settings record is the one owner of every option, and the files are the injected ones.
#include <QActionGroup>

#include "window_fixture.h"

namespace tarnwick {
namespace {

using MonitorMenusTest = MonitorWindowTest;

// Exactly one of the named items is ticked, the one at index; an index of -1 ticks none.
void ExpectOnlyTicked(const TfrMain& window, const std::vector<QString>& names, int index) {
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        EXPECT_EQ(MenuItem(&window, names[i])->isChecked(), i == index) << names[i].toStdString();
    }
}

TEST_F(MonitorMenusTest, EveryMeasureAndSpeedItemSetsItsOwnIndicator) {
    TfrMain& window = Start();
    const WindowTimer timers[] = {WindowTimer::Timer1, WindowTimer::Timer2, WindowTimer::Timer3};
    for (int i = 0; i < 3; ++i) {
        const QString suffix = QStringLiteral("_%1").arg(i + 1);
        std::vector<QString> measures;
        for (int m = 1; m <= 16; ++m) {
            measures.push_back(QStringLiteral("pm%1").arg(m) + suffix);
        }
        for (int m = 1; m <= 16; ++m) {
            MenuItem(&window, measures[m - 1])->trigger();
            ASSERT_EQ(window.Options().indicators[i].type, m) << i;
            ExpectOnlyTicked(window, measures, m - 1);
        }
        EXPECT_EQ(Stored(kIndicatorSections[i], "type"), "16");
        std::vector<QString> speeds;
        for (int interval : kSpeedIntervals) {
            speeds.push_back(QStringLiteral("pm%1ms").arg(interval) + suffix);
        }
        for (std::size_t s = 0; s < speeds.size(); ++s) {
            MenuItem(&window, speeds[s])->trigger();
            EXPECT_EQ(window.timer(timers[i]).interval(), kSpeedIntervals[s]);
            EXPECT_EQ(window.Options().indicators[i].time, kSpeedIntervals[s]);
            ExpectOnlyTicked(window, speeds, static_cast<int>(s));
        }
    }
    // The other indicators were left alone by the last round.
    EXPECT_EQ(window.timer(WindowTimer::Timer1).interval(), 5000);
    EXPECT_EQ(window.Options().indicators[0].type, 16);
}

TEST_F(MonitorMenusTest, TrayIconItemsOfBothMenusShareOneChoice) {
    TfrMain& window = Start();
    Click("PmIcon2Tray");
    EXPECT_EQ(window.Options().icons, 2);
    EXPECT_TRUE(Item("pmIcon2")->isChecked());
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Operation memory usage"));
    Click("pmIcon4");
    EXPECT_TRUE(Item("pmIcon4Tray")->isChecked());
    EXPECT_FALSE(Item("PmIcon2Tray")->isChecked());
    Click("pmIcon4Tray");  // the ticked one again: the icon goes
    EXPECT_EQ(window.Options().icons, 0);
    EXPECT_FALSE(tray_.Shown());
    for (const char* name : {"pmIcon1", "pmIcon2", "pmIcon3", "pmIcon4", "pmIcon1Tray",
                             "PmIcon2Tray", "pmIcon3Tray", "pmIcon4Tray"}) {
        EXPECT_FALSE(Item(name)->isChecked()) << name;
    }
    Click("pm2000icons");
    EXPECT_EQ(window.timer(WindowTimer::IconsTimer).interval(), 2000);
    EXPECT_EQ(Stored("main", "iconstime"), "2000");
}

// The check marks only show the settings: a mark changed behind the window's back neither
// reaches the file at close nor survives a reload.
TEST_F(MonitorMenusTest, TheSettingsRecordNotTheCheckMarksIsSaved) {
    TfrMain& window = Start();
    for (const char* name : {"pmDock", "pmPop", "pmOneCopy"}) {
        Item(name)->setChecked(false);  // all on by default
    }
    Item("pmPriority")->setChecked(true);
    window.SaveOpt();
    EXPECT_EQ(Stored("main", "snap"), "1");
    EXPECT_EQ(Stored("main", "popup"), "1");
    EXPECT_EQ(Stored("main", "lowprior"), "0");
    window.ReloadSettings();
    EXPECT_TRUE(Item("pmDock")->isChecked());
    EXPECT_FALSE(Item("pmPriority")->isChecked());
    // A click still toggles what the record holds.
    Click("pmDock");
    EXPECT_FALSE(window.Options().snap);
    EXPECT_FALSE(Item("pmDock")->isChecked());
    EXPECT_EQ(Stored("main", "snap"), "0");
}

TEST_F(MonitorMenusTest, TheWindowReadsAndWritesOnlyTheFilesItIsGiven) {
    services_.settingsFile = Path("elsewhere/deep/monitor.cfg");
    services_.eventsFile = Path("elsewhere/watch.cfg");
    WriteFile("elsewhere/watch.cfg",
              "[main]\ncount=1\n[event1]\nname=Swap watch\nevent=2\nvalue=10\nsec=2\naction=1\n"
              "execute=2\nactive=1\n[action1]\nautotext=0\nlinescount=1\nline1=Swap is busy\n");
    TfrMain& window = Start();
    EXPECT_EQ(Item("pmEvent1")->text(), QStringLiteral("Swap watch"));
    Click("pmMode1");
    EXPECT_EQ(LoadProfile(Path("elsewhere/deep/monitor.cfg")).Get("main", "mode"), "1");
    window.close();
    EXPECT_EQ(LoadProfile(Path("elsewhere/deep/monitor.cfg")).Get("main", "x"), "100");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(SettingsPath())));
}

}  // namespace
}  // namespace tarnwick
