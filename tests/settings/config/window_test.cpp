// The settings window against real files: what it shows of odd settings files, what "Ok" and
// "Apply" write and broadcast, and how a failed write stops them.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <map>

#include "tests/settings/config/cfg_fixture.h"

namespace tarnwick::cfg {
namespace {

struct OddFile {
    const char* name;
    QByteArray text;                             // nothing at all: no settings file
    std::map<const char*, QString> shown;        // control: spin value, button text or "1"/"0"
    std::map<std::string, std::string> written;  // "section/key" -> value after "Apply"
};

QString Shown(QObject* control) {
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        return QString::number(spin->value());
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button != nullptr && button->isCheckable()) {
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    }
    return button != nullptr ? button->text() : QString();
}

TEST_F(CfgTest, OddSettingsFilesAreShownClampedAndWrittenBackSound) {
    const OddFile files[] = {
        {"out of range",
         "[main]\nsnapvalue=0\ntransparent=120\n",
         {{"udSnap", "1"}, {"udTransparent", "90"}},
         {{"main/snapvalue", "1"}, {"main/transparent", "90"}}},
        {"measures beyond the ends",
         "[indicator1]\ntype=0\n[indicator3]\ntype=17\n",
         {{"btInd1", "Processor | Usage, %"}, {"btInd3", "Virtual memory | Freely, MB"}},
         {{"indicator1/type", "1"}, {"indicator3/type", "16"}}},
        {"no such tray icon",
         "[main]\nicons=9\n",
         {{"cbIcon1", "0"}, {"cbIcon2", "0"}, {"cbIcon3", "0"}, {"cbIcon4", "0"}},
         {{"main/icons", "0"}}},
        {"not numbers and beyond 32 bits",
         "[main]\nsnapvalue=wide\ninfoshow=99999999999\nmode=1\n[indicator2]\ntime=-4294967296\n",
         {{"udSnap", "8"}, {"udHintShow", "1000"}, {"rbMode1", "1"}, {"udTime2", "1000"}},
         {{"main/snapvalue", "8"},
          {"main/infoshow", "1000"},
          {"main/mode", "1"},
          {"indicator2/time", "1000"}}},
        // The window's own defaults differ from the monitor's: the first Apply writes them.
        {"no file",
         {},
         {{"btInd2", "Operative memory | Usage, MB"}, {"cbVisible3", "0"}, {"cbOneCopy", "0"}},
         {{"indicator2/type", "7"},
          {"indicator3/time", "2000"},
          {"main/onecopy", "0"},
          {"skins/skinpath", Path("program/skins/")}}},
    };
    for (const OddFile& file : files) {
        SCOPED_TRACE(file.name);
        QFile::remove(QString::fromStdString(services_.settingsFile));
        if (!file.text.isNull()) {
            WriteSettings(file.text);
        }
        Open();
        for (const auto& [control, expected] : file.shown) {
            EXPECT_EQ(Shown(Find<QObject>(control)), expected) << control;
        }
        Click("btApply");
        EXPECT_TRUE(dialogs_.errors.isEmpty()) << dialogs_.errors.join(", ").toStdString();
        for (const auto& [key, expected] : file.written) {
            const std::size_t slash = key.find('/');
            EXPECT_EQ(Stored(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str()), expected)
                << key;
        }
    }
}

TEST_F(CfgTest, ApplyKeepsTheMonitorsOwnKeys) {
    WriteSettings("[main]\nx=640\ny=12\nvisible=0\n[other]\nkey=kept\n");
    Open();
    Click("btApply");
    EXPECT_EQ(Stored("main", "x"), "640");
    EXPECT_EQ(Stored("main", "visible"), "0");
    EXPECT_EQ(Stored("other", "key"), "kept");
}

TEST_F(CfgTest, SkinsOfTheFolderComeFirstAndHiddenFoldersAreNotSearched) {
    WriteFile("program/skins/b.skin", "[skin]\nname=Bee\nauthor=Ann\n[info]\ncount=2\nline1=One\n");
    WriteFile("program/skins/a.skin", "[skin]\nname=Ay\n");
    WriteFile("program/skins/noise.skin", QByteArray("\0\xff\x01[\n=\r\x80", 9));
    WriteFile("program/skins/deep/c.skin", "[skin]\nname=Sea\n");
    WriteFile("program/skins/.hidden/d.skin", "[skin]\nname=Dee\n");
    ASSERT_TRUE(QFile::link(QString::fromStdString(Path("program/skins")),
                            QString::fromStdString(Path("program/skins/deep/loop"))));
    WriteSettings(("[skins]\nactive=" + Path("program/skins/b.skin") + "\n").c_str());
    Open();

    EXPECT_EQ(Rows("lbSkins"), (QStringList{"Ay", "Bee", "", "Sea"}));
    EXPECT_EQ(Find<QListWidget>("lbSkins")->currentRow(), 1);
    EXPECT_EQ(Find<QPlainTextEdit>("reInfo")->toPlainText(),
              "Title: Bee\nAuthor: Ann\n\nOne\n\n\nFor Tarnwick version: 3.0");
}

// Installed, the program lies in <prefix>/bin/ and the shipped skins in
// <prefix>/share/tarnwick/skins/: with no folder in the settings file those are listed and
// saved, not a skins folder beside the program that does not exist.
TEST_F(CfgTest, InstalledProgramFindsTheShippedSkins) {
    services_.programFolder = Path("prefix/bin/");
    WriteFile("prefix/bin/TarnwickCfg", "");
    WriteFile("prefix/share/tarnwick/skins/ember/ember.skin", "[skin]\nname=Ember\n");
    TfrMain& window = Open();
    EXPECT_EQ(Rows("lbSkins"), QStringList{"Ember"});
    window.show();
    Click("btOk");
    EXPECT_EQ(Stored("skins", "skinpath"), Path("prefix/share/tarnwick/skins/"));
    EXPECT_EQ(Stored("skins", "active"), Path("prefix/share/tarnwick/skins/ember/ember.skin"));
}

TEST_F(CfgTest, ActiveSkinThatIsNotFoundSavesTheFirstSkinOnOk) {
    WriteFile("program/skins/a.skin", "[skin]\nname=Ay\n");
    WriteFile("program/skins/b.skin", "[skin]\nname=Bee\n");
    WriteSettings(("[skins]\nactive=" + Path("program/skins/A.skin") + "\n").c_str());
    TfrMain& window = Open();
    auto* skins = Find<QListWidget>("lbSkins");
    EXPECT_EQ(skins->currentRow(), -1);

    window.show();
    EXPECT_EQ(skins->currentRow(), 0);
    EXPECT_EQ(Find<QPlainTextEdit>("reInfo")->toPlainText(), "");
    Click("btOk");
    EXPECT_EQ(Stored("skins", "active"), Path("program/skins/a.skin"));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CfgTest, EveryApplyBroadcastsBothMessagesAndCancelNothing) {
    StartMonitor();
    TfrMain& window = Open();
    window.show();
    Click("btApply");
    Click("btApply");
    const QByteArray pair = "TarnwickRefreshOptions\nTarnwickRefreshEvents\n";
    EXPECT_EQ(Heard(), pair + pair);
    Click("btCancel");
    EXPECT_EQ(Heard(), pair + pair);
    EXPECT_FALSE(window.isVisible());
}

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A stopped monitor (SIGSTOP) never answers: "Apply" waits for it only briefly, and the
// window keeps painting while it waits.
TEST_F(CfgTest, StoppedMonitorHoldsApplyBrieflyAndTheWindowKeepsPainting) {
    StartMonitor();
    monitor_->Signal(SIGSTOP);
    TfrMain& window = Open();
    window.show();
    PaintCounter counter;
    window.installEventFilter(&counter);
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &window, [&window] { window.update(); });
    ticker.start(50);

    QElapsedTimer clock;
    clock.start();
    Click("btApply");
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_GE(counter.paints, 10);  // some 40 chances in the broadcast's two seconds
}

// Enter presses "Ok" wherever the focus is on a page, but a focused push button is pressed
// itself: Enter on "Cancel" must not save. Escape is "Cancel" wherever the focus is.
TEST_F(CfgTest, EnterPressesOkUnlessAButtonHasTheFocusAndEscapeCancels) {
    struct Case {
        const char* focused;
        Qt::Key key;
        std::optional<std::string> mode;  // written by the key; nothing when not saved
    };
    for (const Case& c : {Case{"rbMode1", Qt::Key_Return, "1"}, Case{"udSnap", Qt::Key_Enter, "1"},
                          Case{"btCancel", Qt::Key_Return, std::nullopt},
                          Case{"udSnap", Qt::Key_Escape, std::nullopt},
                          Case{"btOk", Qt::Key_Escape, std::nullopt}}) {
        SCOPED_TRACE(std::string(c.focused) + " " + std::to_string(c.key));
        QFile::remove(QString::fromStdString(services_.settingsFile));
        TfrMain& window = Open();
        window.show();
        QApplication::setActiveWindow(&window);
        Find<QRadioButton>("rbMode1")->setChecked(true);
        auto* target = Find<QWidget>(c.focused);
        target->setFocus();
        QTest::keyClick(target, c.key);
        EXPECT_EQ(Stored("main", "mode"), c.mode);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(CfgTest, FailedWriteStopsOkWithTheMessageAndBroadcastsNothing) {
    StartMonitor();
    // No data folder: the settings program must say it cannot write, and never make it.
    services_.settingsFile = Path("missing/tarnwick.cfg");
    TfrMain& window = Open();
    window.show();
    Click("btOk");
    EXPECT_EQ(dialogs_.errors,
              QStringList{QString::fromStdString("Unable to write to " + services_.settingsFile)});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Heard(), "");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("missing"))));
}

TEST_F(CfgTest, DeletingAnEventMovesTheLastIntoItsNumberAndTellsTheMonitors) {
    WriteFile("data/events.cfg",
              "[main]\ncount=4\n[event1]\nname=one\n[event2]\nname=two\n[action2]\nloop=time\n"
              "[event3]\nname=three\n[Event4]\nname=four\nactive=1\n[action4]\nline1=[event4]\n");
    StartMonitor();
    Open();
    auto* events = Find<QListWidget>("lbEvents");
    events->setCurrentRow(1);
    Click("btDeleteEvent");

    EXPECT_EQ(Rows("lbEvents"), (QStringList{"one", "four", "three"}));
    EXPECT_EQ(events->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(Heard(), "TarnwickRefreshEvents\n");
    const ProfileText file = LoadProfile(services_.eventsFile);
    EXPECT_EQ(file.Get("main", "count"), "3");
    EXPECT_EQ(file.Get("action2", "line1"), "[event4]");  // text inside values stays
}

TEST_F(CfgTest, TickingAnEventWritesItAtOnceWithoutTellingTheMonitors) {
    // The second watches memory pressure: the list shows it like any other.
    WriteFile("data/events.cfg",
              "[main]\ncount=2\n[event1]\nname=one\n[event2]\nevent=5\nactive=0\n");
    StartMonitor();
    TfrMain& window = Open();
    EXPECT_EQ(Rows("lbEvents"), (QStringList{"one", "Event 2"}));
    Find<QListWidget>("lbEvents")->item(1)->setCheckState(Qt::Checked);
    window.close();  // as "Cancel"
    EXPECT_EQ(LoadProfile(services_.eventsFile).Get("event2", "active"), "1");
    EXPECT_EQ(Heard(), "");
}

}  // namespace
}  // namespace tarnwick::cfg
