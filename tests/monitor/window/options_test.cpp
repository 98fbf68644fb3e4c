// The options of the popup menu, driven by item name: what each does to the running window,
// what it stores at once, and what a second window on the same files makes of it.
#include <QEnterEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>
#include <QUrl>
#include <QWindow>

#include "common/numbers.h"
#include "common/settings.h"
#include "window_fixture.h"

namespace tarnwick {
namespace {

using MonitorWindowOptionsTest = MonitorWindowTest;

constexpr QRgb kGround = qRgb(0xFF, 0x80, 0xC0);  // the built-in gauge's empty part
constexpr QRgb kProgress = qRgb(0x79, 0x79, 0xFF);
constexpr QRgb kProgress2 = qRgb(0xFF, 0, 0);

TEST_F(MonitorWindowOptionsTest, EveryOptionActsAtOnceAndSurvivesARestart) {
    TfrMain& window = Start();
    for (const char* name : {"pmInfo", "pmPop", "pmDock", "pmBolt", "pmOneCopy", "pmPriority",
                             "pmAutorun", "pm40", "pmMode1", "pm7_2", "pm2000ms_3", "pmText_2"}) {
        Click(name);
    }
    // Out of the top band without hiding, moving or losing the opacity.
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    EXPECT_EQ(RoundHalfEven(window.windowOpacity() * 255), 153);
    EXPECT_EQ(window.timer(WindowTimer::Timer3).interval(), 2000);
    EXPECT_EQ(priority_.requests.back(), -1);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("autostart/tarnwick.desktop"))));
    const std::pair<const char*, const char*> stored[] = {
        {"info", "1"},     {"popup", "0"},   {"snap", "0"},         {"bolt", "1"}, {"onecopy", "0"},
        {"lowprior", "1"}, {"autorun", "1"}, {"transparent", "40"}, {"mode", "1"}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(Stored("main", key), value) << key;
    }
    EXPECT_EQ(Stored("indicator2", "type"), "7");
    EXPECT_EQ(Stored("indicator3", "time"), "2000");
    EXPECT_EQ(Stored("indicator2", "visible"), "0");

    window_.reset();  // no close-time batch: the immediate writes alone must carry everything
    TfrMain& again = Start();
    for (const char* name : {"pmInfo", "pmBolt", "pmPriority", "pmAutorun", "pm40", "pmMode1",
                             "pm7_2", "pm2000ms_3"}) {
        EXPECT_TRUE(Item(name)->isChecked()) << name;
    }
    for (const char* name : {"pmPop", "pmDock", "pmOneCopy", "pmText_2", "pm1_2"}) {
        EXPECT_FALSE(Item(name)->isChecked()) << name;
    }
    EXPECT_FALSE(again.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(RoundHalfEven(again.windowOpacity() * 255), 153);
    EXPECT_EQ(again.timer(WindowTimer::Timer3).interval(), 2000);
    // Back to normal priority and into the top band.
    Click("pmPriority");
    EXPECT_EQ(priority_.requests.back(), 0);
    EXPECT_EQ(Stored("main", "lowprior"), "0");
    Click("pmPop");
    EXPECT_TRUE(again.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(again.isVisible());
}

TEST_F(MonitorWindowOptionsTest, EachTransparencyItemSetsAndStoresItsPercentage) {
    TfrMain& window = Start();
    for (int percent = 0; percent <= 90; percent += 10) {
        Click(QStringLiteral("pm%1").arg(percent).toLatin1().constData());
        EXPECT_EQ(RoundHalfEven(window.windowOpacity() * 255), OpacityForTransparency(percent));
        EXPECT_EQ(Stored("main", "transparent"), std::to_string(percent));
    }
    EXPECT_FALSE(Item("pm30")->isChecked());
}

TEST_F(MonitorWindowOptionsTest, ModeItemsRepaintOnlyOnAChangeButAlwaysStoreTheMode) {
    WriteSettings("[indicator3]\ntype=5\n");
    TfrMain& window = Start();
    EXPECT_EQ(window.Canvas().pixel(25, 19), qRgb(0, 0, 0));  // the row between the gauges
    Click("pmMode1");
    EXPECT_NE(window.Canvas().pixel(25, 19), qRgb(0, 0, 0));  // the diagram covers it
    EXPECT_EQ(window.History().LiveHistory().back(), 50);
    WriteSettings("[main]\nmode=2\n");
    const std::vector<std::uint8_t> before = window.History().LiveHistory();
    Click("pmMode1");
    EXPECT_EQ(window.History().LiveHistory(), before);  // no repaint, so no sample
    EXPECT_EQ(Stored("main", "mode"), "1");
    Click("pmMode2");
    EXPECT_EQ(window.Canvas().pixel(25, 19), qRgb(0, 0, 0));
    EXPECT_EQ(Stored("main", "mode"), "2");
}

TEST_F(MonitorWindowOptionsTest, TheDiagramForgetsItsHistoryOnlyForAnotherResource) {
    WriteSettings("[indicator3]\ntype=5\n");
    TfrMain& window = Start();
    Tick(window.timer(WindowTimer::Timer3));
    Click("pm7_3");  // operative memory still
    EXPECT_EQ(window.History().LiveHistory().back(), 50);
    Click("pm9_3");
    EXPECT_EQ(window.History().LiveHistory().back(), 0);
    EXPECT_EQ(Stored("indicator3", "type"), "9");
    // A gauge's measure leaves the other marks of the menu alone.
    Click("pmStop1");
    Click("pm3_1");
    EXPECT_TRUE(Item("pmStop1")->isChecked());
    for (const char* name : {"pmText_1", "pmText_2", "pmText_3", "pm3_1"}) {
        EXPECT_TRUE(Item(name)->isChecked()) << name;
    }
    EXPECT_FALSE(Item("pm1_1")->isChecked());
}

TEST_F(MonitorWindowOptionsTest, GaugesPaintTheirMeasureAndASuspendedOneKeepsItsMoment) {
    WriteSettings("[indicator1]\ntype=5\nvisible=0\n[indicator2]\ntype=13\nvisible=0\n");
    TfrMain& window = Start();
    // Memory half used: columns 1..25 of the built-in gauge (1,1)-(48,18) show progress.
    EXPECT_EQ(window.Canvas().pixel(25, 18), kProgress);
    EXPECT_EQ(window.Canvas().pixel(26, 10), kGround);
    EXPECT_EQ(window.Canvas().pixel(1, 30), kGround);  // virtual memory unused
    Click("pmStop1");
    memory_.status.availPhys = 0;  // now all in use
    memory_.status.availVirtual = 0;
    Tick(window.timer(WindowTimer::Timer1));
    Click("pmMode1");
    Click("pmMode2");  // a full repaint
    EXPECT_EQ(window.Canvas().pixel(48, 10), kGround);
    EXPECT_EQ(window.Canvas().pixel(48, 30), kProgress2);  // indicator 2 is live
    Click("pmStop1");
    EXPECT_FALSE(Item("pmStop1")->isChecked());
    Tick(window.timer(WindowTimer::Timer1));
    EXPECT_EQ(window.Canvas().pixel(48, 10), kProgress);
}

TEST_F(MonitorWindowOptionsTest, ASuspendedDiagramSamplesOnButShowsItsFrozenCopy) {
    WriteSettings("[main]\nmode=1\n[indicator3]\ntype=5\n");
    TfrMain& window = Start();
    Tick(window.timer(WindowTimer::Timer3));
    Click("pmStop3");
    const QImage shown = window.Canvas();
    memory_.status.availPhys = 0;
    Tick(window.timer(WindowTimer::Timer3));
    Tick(window.timer(WindowTimer::Timer3));
    EXPECT_EQ(window.Canvas(), shown);
    EXPECT_EQ(window.History().FrozenHistory().back(), 50);
    EXPECT_EQ(window.History().LiveHistory().back(), 100);
    Click("pmStop3");
    Tick(window.timer(WindowTimer::Timer3));
    EXPECT_NE(window.Canvas(), shown);
}

TEST_F(MonitorWindowOptionsTest, TextShowingRepaintsOnlyWhatIsOnTheWindow) {
    TfrMain& window = Start();
    const QImage withText = window.Canvas();
    Click("pmText_3");  // the diagram is not on the window
    EXPECT_EQ(window.Canvas(), withText);
    EXPECT_EQ(Stored("indicator3", "visible"), "0");
    Click("pmText_1");
    EXPECT_NE(window.Canvas(), withText);
    EXPECT_EQ(Stored("indicator1", "visible"), "0");
}

TEST_F(MonitorWindowOptionsTest, TotalsAreTakenWhenTheMenuOpens) {
    TfrMain& window = Start();
    QMenu* menu = window.findChild<QMenu*>(QStringLiteral("MainPopMenu"));
    emit menu->aboutToShow();
    EXPECT_EQ(Item("pmCPU_2")->text(), QStringLiteral("Total: 2000 MHz"));
    EXPECT_EQ(Item("pmROM_1")->text(), QStringLiteral("Total: 512 MB"));
    EXPECT_EQ(Item("pmVirt_3")->text(), QStringLiteral("Total: 2048 MB"));
    memory_.status.totalPageFile = 1536 * kMB;
    emit menu->aboutToShow();
    EXPECT_EQ(Item("pmSwap_3")->text(), QStringLiteral("Total: 1536 MB"));
}

TEST_F(MonitorWindowOptionsTest, LinksOpenTheShippedManualOrSayWhyTheyCannot) {
    for (const char* page :
         {"manual/index.html", "manual/tarnwick/index.html", "manual/tarnwick/helpmain.html"}) {
        WriteFile(std::string("program/") + page, "<html></html>");
    }
    Start();
    const QString manual =
        QUrl::fromLocalFile(QString::fromStdString(Path("program/manual/"))).toString();
    for (const char* name : {"N15", "N17", "N22", "Clipboardmanager1"}) {
        Click(name);
    }
    EXPECT_EQ(dialogs_.started,
              (QStringList{manual + "tarnwick/helpmain.html", manual + "tarnwick/index.html",
                           "mailto:support@tarnwick.example", manual + "index.html"}));
    EXPECT_TRUE(dialogs_.messages.isEmpty());

    dialogs_.opensSucceed = false;  // no program for mail on this desktop
    Click("N22");
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].contains(QLatin1String("Unable to open mailto:")));
    QDir(QString::fromStdString(Path("program/manual"))).removeRecursively();
    Click("N15");
    ASSERT_EQ(dialogs_.messages.size(), 2);
    EXPECT_TRUE(dialogs_.messages[1].contains(QLatin1String("/tarnwick/helpmain.php is not")));
}

TEST_F(MonitorWindowOptionsTest, TheInformationHintShowsTheFiguresAfterItsDelay) {
    WriteSettings("[main]\ninfo=1\ninfoshow=300\ninfohide=2000\n");
    TfrMain& window = Start();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(105, 105));
    QCoreApplication::sendEvent(&window, &enter);
    QTimer& delay = window.timer(WindowTimer::HintTimer);
    EXPECT_TRUE(delay.isActive());
    EXPECT_EQ(delay.interval(), 300);
    Tick(delay);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("CPU: ")));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral(" MHz\nRAM: ")));
    Click("pmInfo");
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    EXPECT_EQ(Stored("main", "info"), "0");
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(delay.isActive());
}

}  // namespace
}  // namespace tarnwick
