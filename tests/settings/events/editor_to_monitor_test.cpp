// The contract between the two programs: an event made in the editor's window is listed by
// the monitor's events and fires there with the message the user typed, in the way it chose.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "monitor/events/events_controller.h"
#include "settings/events/events_editor.h"
#include "tests/support/event_fakes.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_process_table.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

TEST(EditorToMonitor, AnEventMadeInTheEditorFiresInTheMonitor) {
    testing::TempFolder folder;
    const std::string path = folder.file("events.cfg");
    testing::ScriptedDialogs editorDialogs;
    testing::FakeTones editorTones;
    cfg::SettingsServices services;
    services.dialogs = &editorDialogs;
    services.eventsFile = path;
    cfg::TfrEvents editor(services, editorTones);
    editor.show();

    auto edit = [&](const char* name, const char* text) {
        editor.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    };
    edit("edName", "Busy");
    edit("edValue", "0");  // processor more than 0 % for 1 s
    edit("edHour", "0");
    edit("edMin", "0");
    edit("edSec", "1");
    editor.findChild<QComboBox*>(QStringLiteral("cmAction"))->setCurrentIndex(1);
    editor.findChild<QComboBox*>(QStringLiteral("cmExecute"))->setCurrentIndex(2);
    editor.findChild<QCheckBox*>(QStringLiteral("cbActive"))->setChecked(true);
    editor.findChild<QRadioButton*>(QStringLiteral("rbTextUser"))->setChecked(true);
    editor.findChild<QPlainTextEdit*>(QStringLiteral("reInfo"))
        ->setPlainText(QStringLiteral("Look\nnow"));
    editor.findChild<QRadioButton*>(QStringLiteral("rbLoopInfinity"))->setChecked(true);
    editor.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    ASSERT_TRUE(editorDialogs.messages.isEmpty()) << editorDialogs.messages.join(';').toStdString();
    editor.close();

    testing::FakeMemory memory;
    memory.status = {1000, 500, 1000, 500, 2000, 1000};
    CpuFigures cpu;
    Measures measures(memory, cpu, ".");
    testing::FakeActionSet fakes;
    EventActions actions(fakes.Services());
    QMenu menu;
    EventsController monitor(
        &menu, measures, cpu, actions, [] {}, path);
    monitor.miRefEventsClick();
    ASSERT_FALSE(menu.actions().isEmpty());
    EXPECT_EQ(menu.actions().front()->text(), QStringLiteral("Busy"));
    EXPECT_TRUE(menu.actions().front()->isChecked());

    cpu.CPUUsage = 5;
    monitor.CheckEvents();
    ASSERT_EQ(fakes.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(fakes.dialogs.boxes[0].text.startsWith(QStringLiteral("Look\r\nnow")));
}

// The two choices of the message page reach the monitor: the message goes to the notification
// service with the busiest process as its last line.
TEST(EditorToMonitor, TheMessageChoicesReachTheMonitor) {
    testing::TempFolder folder;
    const std::string path = folder.file("events.cfg");
    testing::ScriptedDialogs editorDialogs;
    testing::FakeTones editorTones;
    cfg::SettingsServices services;
    services.dialogs = &editorDialogs;
    services.eventsFile = path;
    cfg::TfrEvents editor(services, editorTones);
    editor.show();
    for (const char* name : {"edValue", "edHour", "edMin", "edSec"}) {
        editor.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QStringLiteral("0"));
    }
    editor.findChild<QLineEdit*>(QStringLiteral("edName"))->setText(QStringLiteral("Busy"));
    editor.findChild<QComboBox*>(QStringLiteral("cmAction"))->setCurrentIndex(1);
    editor.findChild<QCheckBox*>(QStringLiteral("cbActive"))->setChecked(true);
    editor.findChild<QRadioButton*>(QStringLiteral("rbLoopInfinity"))->setChecked(true);
    editor.findChild<QCheckBox*>(QStringLiteral("cbCulprit"))->setChecked(true);
    editor.findChild<QCheckBox*>(QStringLiteral("cbNotify"))->setChecked(true);
    editor.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    ASSERT_TRUE(editorDialogs.messages.isEmpty()) << editorDialogs.messages.join(';').toStdString();
    editor.close();

    testing::FakeMemory memory;
    CpuFigures cpu;
    Measures measures(memory, cpu, ".");
    testing::FakeActionSet fakes;
    EventActions actions(fakes.Services());
    testing::FakeProcessTable table;
    table.AddProcess(4242, "firefox", 126);
    EventsController monitor(
        nullptr, measures, cpu, actions, [] {}, path);
    monitor.SetProcessTable(table, std::chrono::milliseconds(20));
    monitor.miRefEventsClick();
    cpu.CPUUsage = 70;
    monitor.CheckEvents();
    ASSERT_TRUE(testing::Eventually([&] { return !fakes.notifications.shown.empty(); }));
    EXPECT_EQ(fakes.notifications.shown[0].summary, QStringLiteral("Busy"));
    EXPECT_EQ(fakes.notifications.shown[0].body,
              QStringLiteral("Processor usage\nduring 0 hours, 0 minutes and 0 seconds\nwas more "
                             "than 0 %\nBusiest: firefox (pid 4242) 63 %"));
    EXPECT_TRUE(fakes.dialogs.boxes.empty());
}

}  // namespace
}  // namespace tarnwick
