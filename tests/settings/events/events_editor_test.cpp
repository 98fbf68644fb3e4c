// The events editor's window: the list follows what "Apply" and "Delete" did to the file,
// the page follows the action, and "Check up" plays without holding the event loop.
#include "settings/events/events_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/accessible_names.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_tones.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::cfg {
namespace {

using testing::Eventually;
using testing::TempFolder;

const char kThreeEvents[] =
    "[main]\ncount=3\n"
    "[event1]\nname=One\naction=3\n[action1]\ndocument=/etc/hostname\n"
    "[event2]\nname=Two\nvalue=50\n"
    "[event3]\nname=Three\n";

class EventsEditor : public ::testing::Test {
protected:
    void SetUp() override {
        services.dialogs = &dialogs;
        services.eventsFile = path;
    }

    // Shows the editor on the given file, as the settings window does.
    TfrEvents& Open(const std::string& contents = kThreeEvents) {
        TempFolder::Write(path, contents);
        editor = std::make_unique<TfrEvents>(services, tones);
        editor->show();
        return *editor;
    }

    template <typename T>
    T* Find(const char* name) const {
        T* found = editor->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* Names() const { return Find<QComboBox>("cmNames"); }
    QStringList ListedNames() const {
        QStringList names;
        for (int i = 0; i < Names()->count(); ++i) {
            names << Names()->itemText(i);
        }
        return names;
    }
    void Type(const char* field, const QString& text) const {
        Find<QLineEdit>(field)->setText(text);
    }
    void FillValidEvent(const QString& name) const {
        Type("edName", name);
        Type("edValue", QStringLiteral("0"));
        for (const char* field : {"edHour", "edMin", "edSec"}) {
            Type(field, QStringLiteral("0"));
        }
    }
    void Click(const char* button) const { Find<QPushButton>(button)->click(); }
    std::string File() const { return TempFolder::Read(path); }

    TempFolder folder;
    std::string path = folder.file("events.cfg");
    testing::ScriptedDialogs dialogs;
    testing::FakeTones tones;
    SettingsServices services;
    std::unique_ptr<TfrEvents> editor;
};

TEST_F(EventsEditor, ApplyOnNewEventAddsItAfterTheLastAndSelectsIt) {
    Open();
    FillValidEvent(QStringLiteral("Fourth"));
    Click("Button2");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(';').toStdString();
    EXPECT_NE(File().find("count=4"), std::string::npos);
    EXPECT_NE(File().find("[event4]\nname=Fourth\n"), std::string::npos);
    EXPECT_EQ(ListedNames().last(), QStringLiteral("Fourth"));
    EXPECT_EQ(Names()->currentIndex(), 4);

    // Applied again, the same event is changed, not added a second time.
    Type("edName", QStringLiteral("Fourth again"));
    Click("Button2");
    EXPECT_EQ(ListedNames().size(), 5);
    EXPECT_EQ(ListedNames().last(), QStringLiteral("Fourth again"));
}

TEST_F(EventsEditor, RenamingAnEventRenamesItsEntryAtOnce) {
    Open();
    Names()->setCurrentIndex(2);
    EXPECT_EQ(Find<QLineEdit>("edValue")->text(), QStringLiteral("50"));
    Type("edName", QStringLiteral("Second\nline"));  // a pasted line break
    Click("Button2");
    EXPECT_EQ(Names()->currentIndex(), 2);
    EXPECT_EQ(Names()->itemText(2), QStringLiteral("Second line"));
    EXPECT_NE(File().find("[event2]\nname=Second line\n"), std::string::npos);
}

TEST_F(EventsEditor, DeleteOnNewEventOnlyClearsTheControls) {
    Open();
    Type("edName", QStringLiteral("Unsaved"));
    Type("edFreq", QStringLiteral("3"));
    Click("Button1");
    EXPECT_TRUE(Find<QLineEdit>("edName")->text().isEmpty());
    EXPECT_EQ(Find<QLineEdit>("edFreq")->text(), QStringLiteral("1500"));
    EXPECT_EQ(File(), kThreeEvents);
}

TEST_F(EventsEditor, DeletingTheFirstOfThreeMovesTheLastIntoItsPlace) {
    Open();
    Names()->setCurrentIndex(1);
    Click("Button1");
    EXPECT_EQ(ListedNames(), (QStringList{"New event", "Three", "Two"}));
    EXPECT_EQ(Names()->currentIndex(), 0);
    EXPECT_TRUE(Find<QLineEdit>("edName")->text().isEmpty());
}

TEST_F(EventsEditor, ThePageFollowsTheActionOfTheChosenEvent) {
    Open();
    QStackedWidget* pages = Find<QStackedWidget>("Notebook1");
    Names()->setCurrentIndex(1);
    EXPECT_EQ(pages->currentIndex(), 3);
    EXPECT_EQ(Find<QLineEdit>("edDoc")->text(), QStringLiteral("/etc/hostname"));
    Find<QComboBox>("cmAction")->setCurrentIndex(7);
    EXPECT_EQ(pages->currentIndex(), 0);
    Names()->setCurrentIndex(2);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(Find<QLineEdit>("edDoc")->text().isEmpty());
}

TEST_F(EventsEditor, TheMessageChoicesAreLoadedSavedAndCleared) {
    Open("[main]\ncount=1\n[event1]\nname=Busy\naction=1\n[action1]\nautotext=1\nculprit=1\n");
    Names()->setCurrentIndex(1);
    QCheckBox* culprit = Find<QCheckBox>("cbCulprit");
    QCheckBox* notify = Find<QCheckBox>("cbNotify");
    EXPECT_TRUE(culprit->isChecked());
    EXPECT_FALSE(notify->isChecked());

    culprit->setChecked(false);
    notify->setChecked(true);
    Click("Button2");
    EXPECT_EQ(File().find("culprit"), std::string::npos);
    EXPECT_NE(File().find("\nnotify=1\n"), std::string::npos);

    Names()->setCurrentIndex(0);  // a new event starts without them
    EXPECT_FALSE(culprit->isChecked() || notify->isChecked());
    FillValidEvent(QStringLiteral("Plain"));
    Find<QComboBox>("cmAction")->setCurrentIndex(1);
    Find<QRadioButton>("rbLoopInfinity")->setChecked(true);
    Click("Button2");
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(';').toStdString();
    const std::string file = File();
    EXPECT_EQ(file.substr(file.find("[action2]")).find("notify"), std::string::npos);
}

TEST_F(EventsEditor, ANumberThatDoesNotConvertSavesNothing) {
    Open();
    FillValidEvent(QStringLiteral("Big"));
    Type("edSec", QStringLiteral("4294967296"));
    Click("Button2");
    EXPECT_EQ(dialogs.errors, QStringList{"'4294967296' is not a valid integer value"});
    EXPECT_EQ(File(), kThreeEvents);
    EXPECT_EQ(ListedNames().size(), 4);
    EXPECT_EQ(Find<QLineEdit>("edName")->text(), QStringLiteral("Big"));  // kept for a fix
}

TEST_F(EventsEditor, BrowsingFillsTheFieldAndACancelLeavesIt) {
    Open();
    dialogs.openFiles.push_back(QStringLiteral("/usr/bin/env"));
    Click("Button4");
    EXPECT_EQ(Find<QLineEdit>("edExec")->text(), QStringLiteral("/usr/bin/env"));
    Type("edFolder", QStringLiteral("/old"));
    Click("Button6");  // cancelled
    EXPECT_EQ(Find<QLineEdit>("edFolder")->text(), QStringLiteral("/old"));
    dialogs.folders.push_back(QStringLiteral("/srv"));
    Click("Button6");
    EXPECT_EQ(Find<QLineEdit>("edFolder")->text(), QStringLiteral("/srv"));
}

TEST_F(EventsEditor, CheckUpPlaysFiveImpulsesWhileTheWindowTakesNoInput) {
    Open();
    Type("edFreq", QStringLiteral("440"));
    Type("edTime", QStringLiteral("0"));
    Type("edPause", QStringLiteral("0"));
    Click("Button3");
    EXPECT_FALSE(editor->isEnabled());
    ASSERT_TRUE(Eventually([&] { return editor->isEnabled(); }));
    EXPECT_EQ(tones.impulses, 5);
    EXPECT_EQ(tones.lastFreq, 440);

    Type("edPause", QStringLiteral("soon"));
    Click("Button3");
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(editor->isEnabled());
}

TEST_F(EventsEditor, ClosingDuringALongSignalEndsItAndHandsOver) {
    Open();
    Type("edPause", QStringLiteral("2000000000"));
    Click("Button3");
    ASSERT_FALSE(editor->isEnabled());
    QSignalSpy closed(editor.get(), &TfrEvents::closed);
    editor->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_LE(tones.impulses, 1);
}

TEST_F(EventsEditor, OpeningAgainListsTheFileAndKeepsTheControls) {
    Open();
    Names()->setCurrentIndex(2);
    editor->close();
    TempFolder::Write(path, "[main]\ncount=1\n[event1]\nname=Only\n");
    editor->show();
    EXPECT_EQ(ListedNames(), (QStringList{"New event", "Only"}));
    EXPECT_EQ(Find<QLineEdit>("edName")->text(), QStringLiteral("Two"));
}

// The settings window that comes back must not carry the editor's name in its title.
TEST_F(EventsEditor, ClosingGivesTheProgramItsDisplayNameBack) {
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tarnwick Settings"));
    Open();
    editor->hide();
    editor->show();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Events editor"));
    editor->close();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Tarnwick Settings"));
}

TEST_F(EventsEditor, EveryControlHasANameOfItsOwn) {
    Open();
    EXPECT_EQ(testing::NamingFaults(*editor), std::vector<std::string>{});
}

// Escape is the close box, with its hand-back; Enter presses the focused button, as Space does.
TEST_F(EventsEditor, EscapeClosesAndEnterPressesTheFocusedButton) {
    Open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    FillValidEvent(QStringLiteral("Four"));
    Find<QPushButton>("Button2")->setFocus();
    QTest::keyClick(Find<QPushButton>("Button2"), Qt::Key_Return);
    EXPECT_EQ(ListedNames().last(), QStringLiteral("Four"));

    QSignalSpy closed(editor.get(), &TfrEvents::closed);
    QTest::keyClick(Find<QLineEdit>("edName"), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EventsEditor, F1OpensTheHelpPage) {
    Open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    QTest::keyClick(editor.get(), Qt::Key_F1);
    // No manual shipped beside this editor: the box names the page.
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QLatin1String("/tarnwick/eventseditor.php")));
}

}  // namespace
}  // namespace tarnwick::cfg
