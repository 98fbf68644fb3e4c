// The settings program's start-up and hand-over: the command word, the editors' return to the
// settings window, and the single copy.
#include <QProcess>
#include <QStackedWidget>
#include <QTest>

#include "settings/config/program.h"
#include "settings/events/events_editor.h"
#include "settings/skin/skin_editor.h"
#include "tests/settings/config/cfg_fixture.h"

namespace tarnwick::cfg {
namespace {

class ProgramTest : public CfgTest {
protected:
    SettingsProgram& Run(const QString& word) {
        program_ = std::make_unique<SettingsProgram>(services_);
        program_->Start(word);
        root_ = &program_->settingsWindow();
        QTest::qWait(150);  // the word acts shortly after the loop starts
        return *program_;
    }
    void TearDown() override {
        root_ = nullptr;
        program_.reset();
        CfgTest::TearDown();
    }
    std::unique_ptr<SettingsProgram> program_;
};

TEST_F(ProgramTest, CommandWordsOpenTheirWindowInAnyCase) {
    struct Row {
        const char* word;
        bool settingsShown;
        bool skinShown;
        bool eventsShown;
        int page;
    } rows[] = {
        {"", true, false, false, 0},           {"About", true, false, false, 7},
        {"sKiNeDiToR", false, true, false, 0}, {"eventseditor", false, false, true, 0},
        {"settings", true, false, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word);
        SettingsProgram& program = Run(QLatin1String(row.word));
        EXPECT_EQ(program.settingsWindow().isVisible(), row.settingsShown);
        EXPECT_EQ(program.skinEditor().isVisible(), row.skinShown);
        EXPECT_EQ(program.eventsEditor().isVisible(), row.eventsShown);
        EXPECT_EQ(program.settingsWindow().currentPage(), row.page);
    }
}

TEST_F(ProgramTest, ClosingTheEventsEditorShowsTheEventsPageAndTellsTheMonitorsOnce) {
    WriteFile("data/events.cfg", "[main]\ncount=1\n[event1]\nname=one\n");
    StartMonitor();
    SettingsProgram& program = Run("eventseditor");
    WriteFile("data/events.cfg", "[main]\ncount=2\n[event1]\nname=one\n[event2]\nname=two\n");
    program.eventsEditor().close();
    EXPECT_TRUE(program.settingsWindow().isVisible());
    EXPECT_EQ(program.settingsWindow().currentPage(), TfrMain::kEventsPage);
    EXPECT_EQ(Rows("lbEvents"), (QStringList{"one", "two"}));
    EXPECT_EQ(Heard(), "TarnwickRefreshEvents\n");
}

TEST_F(ProgramTest, BackFromTheSkinEditorTheSavedActiveSkinIsSelectedAgain) {
    WriteFile("program/skins/a.skin", "[skin]\nname=Ay\n");
    WriteFile("program/skins/b.skin", "[skin]\nname=Bee\n");
    WriteSettings(("[skins]\nactive=" + Path("program/skins/b.skin") + "\n").c_str());
    StartMonitor();
    SettingsProgram& program = Run("");
    auto* skins = Find<QListWidget>("lbSkins");
    skins->setCurrentRow(0);  // chosen, not saved
    Click("BitBtn2");
    EXPECT_FALSE(program.settingsWindow().isVisible());
    EXPECT_TRUE(program.skinEditor().isVisible());

    program.skinEditor().close();
    EXPECT_TRUE(program.settingsWindow().isVisible());
    EXPECT_EQ(program.settingsWindow().currentPage(), TfrMain::kSkinsPage);
    EXPECT_EQ(skins->currentRow(), 1);
    EXPECT_EQ(Heard(), "");
}

TEST_F(ProgramTest, SecondCopyEndsAtOnceWhateverItsWord) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(Path("run")));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(Path("config")));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(TARNWICK_SETTINGS_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    QTest::qWait(1500);  // until it holds the lock
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(TARNWICK_SETTINGS_PROGRAM), {"skineditor"});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAll(), "");
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

}  // namespace
}  // namespace tarnwick::cfg
