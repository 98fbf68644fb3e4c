// The events editor's resource list: the pressures the system tells after the four resources,
// in percent only, and an event that watches one the system does not tell kept as it is.
#include "settings/events/events_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "tests/support/fake_pressure.h"
#include "tests/support/fake_tones.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::cfg {
namespace {

using testing::TempFolder;

const QStringList kResources = {"Processor usage", "Operative memory usage", "Swap file usage",
                                "Virtual memory usage"};

class PressureEditor : public ::testing::Test {
protected:
    void SetUp() override {
        services.dialogs = &dialogs;
        services.eventsFile = path;
        services.pressure = &pressure;
    }

    void Open(const std::string& contents) {
        TempFolder::Write(path, contents);
        editor = std::make_unique<TfrEvents>(services, tones);
        editor->show();
    }

    template <typename T>
    T* Find(const char* name) const {
        T* found = editor->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
    QStringList Entries() const {
        QStringList entries;
        for (int i = 0; i < List("cmEvents")->count(); ++i) {
            entries << List("cmEvents")->itemText(i);
        }
        return entries;
    }
    void Choose(const char* list, const QString& entry) const {
        const int at = List(list)->findText(entry);
        ASSERT_GE(at, 0) << entry.toStdString();
        List(list)->setCurrentIndex(at);
    }
    void Type(const char* field, const char* text) const {
        Find<QLineEdit>(field)->setText(QString::fromLatin1(text));
    }
    void Apply() const {
        Find<QPushButton>("Button2")->click();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(';').toStdString();
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(';').toStdString();
    }
    std::string File() const { return TempFolder::Read(path); }

    TempFolder folder;
    std::string path = folder.file("events.cfg");
    testing::ScriptedDialogs dialogs;
    testing::FakeTones tones;
    testing::FakePressure pressure;
    SettingsServices services;
    std::unique_ptr<TfrEvents> editor;
};

TEST_F(PressureEditor, OffersThePressuresTheSystemTellsInPercentOnly) {
    pressure.shares = {std::nullopt, 1000, 0};  // memory and input/output
    Open("");
    EXPECT_EQ(Entries(), kResources + QStringList({"Memory pressure", "Input/output pressure"}));

    Choose("cmMeasure", "MB/MHz");
    Choose("cmEvents", "Memory pressure");
    EXPECT_EQ(List("cmMeasure")->currentText(), "%");
    EXPECT_FALSE(List("cmMeasure")->isEnabled());
    Type("edName", "Stalls");
    Type("edValue", "20");
    Type("edHour", "0");
    Type("edMin", "1");
    Type("edSec", "0");
    Apply();
    EXPECT_EQ(File(),
              "[main]\ncount=1\n[event1]\nname=Stalls\nevent=5\nbiglit=0\nvalue=20\nmeasure=0\n"
              "hour=0\nmin=1\nsec=0\naction=0\nexecute=0\nactive=0\n");

    // Back on a resource, both units are there again.
    Choose("cmEvents", "Swap file usage");
    EXPECT_TRUE(List("cmMeasure")->isEnabled());
}

TEST_F(PressureEditor, WithoutPressuresOnlyAnEventThatWatchesOneShowsIt) {
    const std::string swap =
        "[event2]\nname=Swap\nevent=2\nbiglit=0\nvalue=900\nmeasure=1\nhour=0\nmin=5\nsec=0\n"
        "action=0\nexecute=2\nactive=1\n";
    Open("[main]\ncount=2\n[event1]\nname=Disk\nevent=6\nmeasure=1\nvalue=5\n" + swap);
    EXPECT_EQ(Entries(), kResources);

    // Shown and applied, it still watches input/output, now in percent as the monitor reads it.
    List("cmNames")->setCurrentIndex(1);
    EXPECT_EQ(Entries(), kResources + QStringList({"Input/output pressure"}));
    EXPECT_EQ(List("cmEvents")->currentText(), "Input/output pressure");
    EXPECT_EQ(List("cmMeasure")->currentText(), "%");
    Apply();
    const ProfileText file = LoadProfile(path);
    EXPECT_EQ(file.Get("event1", "event"), "6");
    EXPECT_EQ(file.Get("event1", "measure"), "0");

    // An event on a resource is written exactly as before, in its own unit.
    List("cmNames")->setCurrentIndex(2);
    EXPECT_EQ(Entries(), kResources);
    EXPECT_EQ(List("cmMeasure")->currentText(), "MB/MHz");
    Apply();
    EXPECT_NE(File().find(swap), std::string::npos);
}

}  // namespace
}  // namespace tarnwick::cfg
