// The Events submenu: the items the engine puts into a menu like the monitor's, and what a
// tick of an item does to the file.
#include "monitor/events/events_controller.h"

#include <QDir>
#include <QMenu>

#include <gtest/gtest.h>

#include "common/events_file.h"
#include "common/profile_file.h"
#include "tests/support/event_fakes.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

class EventsMenu : public ::testing::Test {
protected:
    EventsMenu() {
        menu.addAction(QStringLiteral("&Update the list"))->setObjectName("miRefEvents");
        menu.addSeparator();
        menu.addAction(QStringLiteral("&Events editor"))->setObjectName("pmEventsEdit");
    }

    QStringList Names() const {
        QStringList names;
        for (const QAction* item : menu.actions()) {
            names << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
        }
        return names;
    }

    QAction* Item(const char* name) { return menu.findChild<QAction*>(name); }

    TempFolder folder;
    std::string path = folder.file("events.cfg");
    QMenu menu;
    testing::FakeMemory memory;
    CpuFigures cpu;
    Measures measures{memory, cpu, "."};
    testing::FakeActionSet fakes;
    EventActions actions{fakes.Services()};
    EventsController engine{&menu, measures, cpu, actions, nullptr, path};
};

TEST_F(EventsMenu, ItemsStandAboveTheFixedOnesInEventOrder) {
    TempFolder::Write(path,
                      "[main]\ncount=3\n[event1]\nname=High load\nactive=1\n"
                      "[event2]\nname=Swap\n[event3]\nname=Low memory\nactive=1\n");
    engine.miRefEventsClick();
    EXPECT_EQ(Names(), (QStringList{"pmEvent1", "pmEvent2", "pmEvent3", "miRefEvents", "-",
                                    "pmEventsEdit"}));
    EXPECT_EQ(Item("pmEvent1")->text(), "High load");
    EXPECT_TRUE(Item("pmEvent1")->isChecked());
    EXPECT_FALSE(Item("pmEvent2")->isChecked());
    EXPECT_EQ(Item("pmEvent3")->data().toInt(), 3);

    // After the settings program deleted event 1, a reload shows the renumbered list.
    DeleteEvent(path, 1);
    engine.miRefEventsClick();
    EXPECT_EQ(Names(), (QStringList{"pmEvent1", "pmEvent2", "miRefEvents", "-", "pmEventsEdit"}));
    EXPECT_EQ(Item("pmEvent1")->text(), "Low memory");
    EXPECT_EQ(Item("pmEvent2")->text(), "Swap");

    TempFolder::Write(path, "");
    engine.miRefEventsClick();
    EXPECT_EQ(Names(), (QStringList{"miRefEvents", "-", "pmEventsEdit"}));
}

TEST_F(EventsMenu, TickingAnItemWritesActiveAndRestartsItsCount) {
    TempFolder::Write(path,
                      "[main]\ncount=2\n[event1]\nname=A\nsec=3\nactive=1\n"
                      "[event2]\nname=B\nsec=3\n");
    engine.miRefEventsClick();
    cpu.CPUUsage = 60;
    engine.CheckEvents();
    engine.CheckEvents();
    EXPECT_EQ(engine.Table()[0].Elapsed, 2);

    Item("pmEvent1")->trigger();  // off
    EXPECT_FALSE(engine.Table()[0].Active);
    EXPECT_EQ(engine.Table()[0].Elapsed, 0);
    EXPECT_EQ(ReadString(LoadProfile(path), "event1", "active", ""), "0");
    Item("pmEvent1")->trigger();  // on again, counting from 0
    Item("pmEvent2")->trigger();
    EXPECT_TRUE(Item("pmEvent2")->isChecked());
    const ProfileText file = LoadProfile(path);
    EXPECT_EQ(ReadString(file, "event1", "active", ""), "1");
    EXPECT_EQ(ReadString(file, "event2", "active", ""), "1");

    // A reload resets the counters.
    engine.CheckEvents();
    engine.miRefEventsClick();
    EXPECT_EQ(engine.Table()[0].Elapsed, 0);

    // A one-time event that fires loses its tick.
    WriteProfileInteger(path, "event2", "sec", 1);
    engine.miRefEventsClick();
    engine.CheckEvents();
    EXPECT_FALSE(Item("pmEvent2")->isChecked());
    EXPECT_EQ(ReadString(LoadProfile(path), "event2", "active", ""), "0");
}

TEST_F(EventsMenu, AFailedWriteIsReportedAndTheTickStays) {
    const QString inner = QString::fromStdString(folder.file("inner"));
    ASSERT_TRUE(QDir().mkpath(inner));
    const std::string innerPath = inner.toStdString() + "/events.cfg";
    TempFolder::Write(innerPath, "[main]\ncount=1\n[event1]\nname=A\nactive=1\n");
    QMenu other;
    EventsController elsewhere(&other, measures, cpu, actions, nullptr, innerPath);
    elsewhere.miRefEventsClick();
    QStringList errors;
    QObject::connect(&elsewhere, &EventsController::writeFailed,
                     [&](const QString& text) { errors << text; });
    // The folder turns into a plain file: nothing can be written below it.
    ASSERT_TRUE(QDir(inner).removeRecursively());
    TempFolder::Write(inner.toStdString(), "");

    elsewhere.EventsMenuClick(0);
    EXPECT_EQ(errors, QStringList{"Unable to write to " + QString::fromStdString(innerPath)});
    EXPECT_FALSE(other.actions().first()->isChecked());
    EXPECT_FALSE(elsewhere.Table()[0].Active);
}

}  // namespace
}  // namespace tarnwick
