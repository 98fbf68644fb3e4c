// The monitor window driven through its menus and timers: start-up, settings, painting, tray,
// skins and closing.
#include "window_fixture.h"

namespace tarnwick {
namespace {

TEST_F(MonitorWindowTest, FirstStartWithoutFilesUsesEveryDefault) {
    TfrMain& window = Start();
    EXPECT_TRUE(QDir(QString::fromStdString(Path("config/tarnwick"))).exists());
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    EXPECT_EQ(window.size(), QSize(50, 39));  // the built-in look: no skins in the folder
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Cpu().CPUSpeed, 2000);
    // The defaults themselves are the settings tests' business; a few marks show they arrive.
    for (const char* name : {"pmOneCopy", "pmMode2", "pm1_3", "pmDock", "pm0", "pm500icons"}) {
        EXPECT_TRUE(Item(name)->isChecked()) << name;
    }
    EXPECT_FALSE(Item("pmIcon1")->isChecked());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(tray_.Shown());
    const std::pair<WindowTimer, int> intervals[] = {
        {WindowTimer::TaktTimer, 100},    {WindowTimer::Timer1, 500},
        {WindowTimer::Timer2, 500},       {WindowTimer::Timer3, 500},
        {WindowTimer::EventsTimer, 1000}, {WindowTimer::IconsTimer, 500}};
    for (const auto& [name, interval] : intervals) {
        const std::string timerName = window.timer(name).objectName().toStdString();
        EXPECT_TRUE(window.timer(name).isActive()) << timerName;
        EXPECT_EQ(window.timer(name).interval(), interval) << timerName;
    }
}

TEST_F(MonitorWindowTest, StoredSettingsReachTheWindowTimersMenusAndTray) {
    WriteSettings(
        "[main]\nmode=1\ntransparent=30\nicons=2\nvisible=0\niconstime=50\nx=-500\ny=40\n"
        "popup=0\n[indicator2]\ntype=7\ntime=750\nvisible=0\n");
    TfrMain& window = Start();
    EXPECT_NEAR(window.windowOpacity(), 178 / 255.0, 0.002);
    EXPECT_TRUE(Item("pm30")->isChecked());
    EXPECT_TRUE(Item("pmMode1")->isChecked());
    EXPECT_TRUE(Item("pm7_2")->isChecked());
    EXPECT_FALSE(Item("pmText_2")->isChecked());
    EXPECT_EQ(window.timer(WindowTimer::Timer2).interval(), 750);
    for (const char* name : {"pm200ms_2", "pm500ms_2", "pm1000ms_2", "pm2000ms_2", "pm5000ms_2",
                             "pm200icons", "pm500icons"}) {
        EXPECT_FALSE(Item(name)->isChecked()) << name;
    }
    EXPECT_EQ(window.timer(WindowTimer::IconsTimer).interval(), 100);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Off the screen to the left: brought back to the edge.
    EXPECT_EQ(window.pos(), QPoint(0, 40));
    // Started hidden behind the memory icon.
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Item("pmMin")->text(), QStringLiteral("&Restore"));
    EXPECT_EQ(Item("pmMinTray")->text(), QStringLiteral("&Restore"));
    EXPECT_TRUE(tray_.Shown());
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Operation memory usage"));
    EXPECT_TRUE(Item("pmIcon2")->isChecked());
    EXPECT_TRUE(Item("PmIcon2Tray")->isChecked());
}

TEST_F(MonitorWindowTest, ReloadAppliesTheFileButNeverMovesTheWindow) {
    TfrMain& window = Start();
    WriteSettings("[main]\nx=300\ny=300\nicons=1\nmode=1\n[indicator1]\ntime=2000\n");
    Click("pmRefreshOpt");
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    EXPECT_EQ(window.Options().mode, 1);
    EXPECT_EQ(window.timer(WindowTimer::Timer1).interval(), 2000);
    EXPECT_TRUE(Item("pm2000ms_1")->isChecked());
    EXPECT_TRUE(tray_.Shown());
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Processor usage"));
    WriteSettings("[main]\nicons=3\n");
    window.ReloadSettings();
    EXPECT_EQ(tray_.Calls(), (std::vector<std::string>{"add", "modify"}));  // the same icon
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Swap file usage"));
    WriteSettings("[main]\nicons=0\n");
    window.ReloadSettings();
    EXPECT_FALSE(tray_.Shown());
}

TEST_F(MonitorWindowTest, TrayItemsSwitchOneIconAndStoreTheChoice) {
    TfrMain& window = Start();
    Click("pmIcon1");
    EXPECT_TRUE(tray_.Shown());
    EXPECT_EQ(Stored("main", "icons"), "1");
    Tick(window.timer(WindowTimer::IconsTimer));
    EXPECT_EQ(tray_.ShownNumber(), window.Cpu().CPUUsage);
    Click("pmIcon3Tray");
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Swap file usage"));
    EXPECT_TRUE(Item("pmIcon3")->isChecked());
    EXPECT_FALSE(Item("pmIcon1")->isChecked());
    Tick(window.timer(WindowTimer::IconsTimer));
    EXPECT_EQ(tray_.ShownNumber(), 25);  // 256 MB of 1024 MB in use
    EXPECT_EQ(Stored("main", "icons"), "3");
    Click("pm2000icons");
    EXPECT_EQ(window.timer(WindowTimer::IconsTimer).interval(), 2000);
    EXPECT_EQ(Stored("main", "iconstime"), "2000");
    // The ticked item again removes the icon; a hidden window shows again.
    Click("pmMin");
    EXPECT_FALSE(window.isVisible());
    Click("pmIcon3");
    EXPECT_FALSE(tray_.Shown());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Stored("main", "icons"), "0");
}

TEST_F(MonitorWindowTest, MinimizeWithoutAnIconTurnsOnTheProcessorIconFirst) {
    TfrMain& window = Start();
    Click("pmMin");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(tray_.Shown());
    EXPECT_EQ(tray_.Tip(), QStringLiteral("Processor usage"));
    EXPECT_EQ(Stored("main", "icons"), "1");
    EXPECT_EQ(Item("pmMin")->text(), QStringLiteral("&Restore"));
    emit tray_.DoubleClicked();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Item("pmMinTray")->text(), QStringLiteral("&Minimize"));
}

TEST_F(MonitorWindowTest, SettingsProgramStartsBesideTheMonitorOrAnErrorShows) {
    Start();
    Click("About");
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].startsWith(QStringLiteral("Error!|The file TarnwickCfg")));
    EXPECT_TRUE(dialogs_.started.isEmpty());
    WriteFile("program/TarnwickCfg", "");
    Click("pmSkinsTray");
    Click("pmConfig");
    EXPECT_EQ(dialogs_.started,
              (QStringList{QString::fromStdString(Path("program/TarnwickCfg")) + " skineditor",
                           QString::fromStdString(Path("program/TarnwickCfg"))}));
}

TEST_F(MonitorWindowTest, SkinsAreListedLoadedAndStored) {
    WriteFile("program/skins/b.skin", "[skin]\nname=Skin b\n[window]\nwidth=90\nheight=30\n");
    WriteFile("program/skins/a.skin", "[skin]\nname=Skin a\n[window]\nwidth=80\nheight=30\n");
    TfrMain& window = Start();
    QAction* first = Item("pmSkin0");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("Skin a"));
    EXPECT_EQ(Item("pmSkin1")->text(), QStringLiteral("Skin b"));
    first->trigger();
    EXPECT_EQ(window.size(), QSize(80, 30));
    EXPECT_TRUE(first->isChecked());
    EXPECT_EQ(Stored("skins", "active"), Path("program/skins/a.skin"));
    Click("pmRandomSkin");
    EXPECT_EQ(Stored("skins", "random"), "1");
    EXPECT_EQ(window.size(), QSize(80, 30));  // the flag acts at the next load
}

TEST_F(MonitorWindowTest, ClosingSavesTheCloseTimeBatch) {
    TfrMain& window = Start();
    window.move(12, 34);
    window.close();
    EXPECT_EQ(Stored("main", "x"), "12");
    EXPECT_EQ(Stored("main", "y"), "34");
    EXPECT_EQ(Stored("main", "visible"), "1");
    EXPECT_EQ(Stored("indicator3", "type"), "1");
    EXPECT_EQ(Stored("main", "iconstime"), std::nullopt);  // only written when changed
}

TEST_F(MonitorWindowTest, AFailedWriteShowsTheErrorAndTheChangeStays) {
    TfrMain& window = Start();
    // A folder where the settings file should be: nothing can be written.
    QDir(dir_.path()).mkpath(QStringLiteral("config/tarnwick/tarnwick.cfg"));
    Click("pmIcon2");
    EXPECT_TRUE(tray_.Shown());
    ASSERT_EQ(dialogs_.errors.size(), 1);
    EXPECT_EQ(dialogs_.errors[0],
              QStringLiteral("Unable to write to ") + QString::fromStdString(SettingsPath()));
    EXPECT_EQ(window.Options().icons, 2);
}

TEST_F(MonitorWindowTest, AnEventWrittenByHandShowsInTheMenuFiresAndTicksOnAndOff) {
    // Swap file usage more than 10 % (it is 25 %) for 2 seconds, permanently.
    WriteFile("config/tarnwick/events.cfg",
              "[main]\ncount=1\n[event1]\nname=Swap watch\nevent=2\nvalue=10\nsec=2\naction=1\n"
              "execute=2\nactive=1\n[action1]\nautotext=0\nlinescount=1\nline1=Swap is busy\n");
    TfrMain& window = Start();
    QAction* item = Item("pmEvent1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Swap watch"));
    EXPECT_TRUE(item->isChecked());
    Tick(window.timer(WindowTimer::EventsTimer));
    EXPECT_TRUE(actionSet_.dialogs.boxes.empty());
    Tick(window.timer(WindowTimer::EventsTimer));
    ASSERT_EQ(actionSet_.dialogs.boxes.size(), 1u);
    EXPECT_EQ(actionSet_.dialogs.boxes[0].text.trimmed(), QStringLiteral("Swap is busy"));
    item->trigger();  // switched off: stored, and it no longer fires
    Tick(window.timer(WindowTimer::EventsTimer));
    Tick(window.timer(WindowTimer::EventsTimer));
    EXPECT_EQ(actionSet_.dialogs.boxes.size(), 1u);
    // "TarnwickRefreshEvents" reads the file again.
    window.RefreshEvents();
    EXPECT_FALSE(Item("pmEvent1")->isChecked());
}

}  // namespace
}  // namespace tarnwick
