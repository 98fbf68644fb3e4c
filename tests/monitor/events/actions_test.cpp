// The actions: sound signals and their message boxes, the power steps, the real starter and
// the real boxes.
#include "monitor/events/actions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/sound/uBeeper.h"
#include "common/ui/dialogs.h"
#include "monitor/events/power.h"
#include "monitor/events/system_actions.h"
#include "tests/support/event_fakes.h"
#include "tests/support/eventually.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::Eventually;
using testing::FakeActionSet;
using testing::FakeTones;
using testing::TempFolder;

class MessageAction : public ::testing::Test {
protected:
    static TEventRec Message(const QString& text, bool sound, bool infinite = true) {
        TEventRec event;
        event.Action = 1;
        event.MessageText = text;
        event.Sound = sound;
        event.Freq = 1500;
        event.ImpulseTime = 1;
        event.Pause = 1;
        event.LoopCount = 1;
        event.Infinite = infinite;
        return event;
    }

    FakeActionSet fakes;
    EventActions actions{fakes.Services()};
};

TEST_F(MessageAction, EachBoxKeepsItsTextAndStopsItsOwnAndTheNewestSignal) {
    actions.Carry(Message("first", true));
    actions.Carry(Message("second", true));
    actions.Carry(Message("third", false));
    ASSERT_EQ(fakes.dialogs.boxes.size(), 3u);
    EXPECT_EQ(fakes.dialogs.boxes[0].text, "first");
    EXPECT_EQ(fakes.dialogs.boxes[2].text, "third");
    ASSERT_TRUE(Eventually([&] { return actions.PlayingSignals() == 2; }));
    fakes.dialogs.Close(2);  // no sound of its own: stops the newest, "second"
    EXPECT_TRUE(Eventually([&] { return actions.PlayingSignals() == 1; }));
    fakes.dialogs.Close(0);  // its own
    EXPECT_TRUE(Eventually([&] { return actions.PlayingSignals() == 0; }));
}

TEST_F(MessageAction, ANotificationTakesThePlaceOfTheBoxAndItsClosingStopsItsSignal) {
    TEventRec event =
        Message("Processor usage\r\nwas more than 90 %\r\nBusiest: a<b (pid 7) 63 %", true);
    event.Name = "High load";
    event.Notify = true;
    actions.Carry(event);
    EXPECT_TRUE(fakes.dialogs.boxes.empty());
    ASSERT_EQ(fakes.notifications.shown.size(), 1u);
    EXPECT_EQ(fakes.notifications.shown[0].summary, "High load");
    EXPECT_EQ(fakes.notifications.shown[0].body,
              "Processor usage\nwas more than 90 %\nBusiest: a<b (pid 7) 63 %");
    ASSERT_TRUE(Eventually([&] { return actions.PlayingSignals() == 1; }));

    // Another program's notification closes; then ours.
    fakes.notifications.Close(7);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(actions.PlayingSignals(), 1);
    fakes.notifications.Close(1);
    EXPECT_TRUE(Eventually([&] { return actions.PlayingSignals() == 0; }));

    // A user's text ends with a line end, which a notification's body does without; a nameless
    // event takes the box's caption.
    event.Name.clear();
    event.Sound = false;
    event.MessageText = "Alarm\r\nCheck the disk\r\n";
    actions.Carry(event);
    EXPECT_EQ(fakes.notifications.shown[1].summary, EventBoxCaption());
    EXPECT_EQ(fakes.notifications.shown[1].body, "Alarm\nCheck the disk");
}

TEST_F(MessageAction, WhereNoServiceTakesTheNotificationTheBoxShowsWithItsSignal) {
    fakes.notifications.taking = false;
    TEventRec event = Message("Swap file usage", true);
    event.Notify = true;
    actions.Carry(event);
    EXPECT_EQ(fakes.notifications.shown.size(), 1u);
    ASSERT_EQ(fakes.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fakes.dialogs.boxes[0].text, "Swap file usage");
    ASSERT_TRUE(Eventually([&] { return actions.PlayingSignals() == 1; }));
    fakes.dialogs.Close(0);
    EXPECT_TRUE(Eventually([&] { return actions.PlayingSignals() == 0; }));

    // Without the choice nothing goes to the service.
    event.Notify = false;
    actions.Carry(event);
    EXPECT_EQ(fakes.notifications.shown.size(), 1u);
    EXPECT_EQ(fakes.dialogs.boxes.size(), 2u);
}

// A session manager that answers as told and remembers the orders it got.
class FakeLogin : public platform::LoginManager {
public:
    bool reachable = true;
    bool askOk = true;
    QString answer = QStringLiteral("yes");
    bool orderOk = true;
    std::vector<std::pair<QString, bool>> orders;

    bool Reachable() override { return reachable; }
    void Ask(const QString&, std::function<void(bool, const QString&)> done) override {
        done(askOk, answer);
    }
    void Order(const QString& method, bool interactive, std::function<void(bool)> done) override {
        orders.emplace_back(method, interactive);
        done(orderOk);
    }
};

TEST(Power, EachStepThatFailsNamesItselfInTheExitErrorBox) {
    testing::ScriptedDialogs boxes;
    FakeLogin login;
    SystemPower power(login, boxes);

    power.SwitchOff();
    power.Restart();
    login.answer = QStringLiteral("challenge");
    power.StandBy();
    EXPECT_EQ(login.orders, (std::vector<std::pair<QString, bool>>{
                                {"PowerOff", false}, {"Reboot", false}, {"Suspend", true}}));
    EXPECT_TRUE(boxes.exitErrors.empty());

    login.answer = QStringLiteral("no");
    power.SwitchOff();
    login.answer = QStringLiteral("yes");
    login.orderOk = false;
    power.Restart();
    login.askOk = false;
    power.StandBy();
    login.reachable = false;
    power.SwitchOff();
    EXPECT_EQ(boxes.exitErrors,
              (std::vector<QString>{"CanPowerOff() Failed", "Reboot() Failed",
                                    "CanSuspend() Failed", "SystemBus() Failed"}));
    EXPECT_EQ(login.orders.size(), 4u);  // the refused ones ordered nothing
}

TEST(RealStarter, RunsAProgramWithBlanksInItsPathAndTwoParameters) {
    TempFolder folder;
    const QString dir = QString::fromStdString(folder.path()) + "/my tools";
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString script = dir + "/write it.sh";
    const QString output = dir + "/out put.txt";
    TempFolder::Write(script.toStdString(),
                      "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out put.txt\"\n");
    QFile(script).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    TEventRec event;
    event.Action = 2;
    event.Target = script;
    event.Arguments = QProcess::splitCommand(QStringLiteral("\"first one\" $HOME;"));
    QtDialogs real;
    FakeActionSet fakes;
    ActionServices services = fakes.Services();
    services.dialogs = &real;
    EventActions actions(services);
    actions.Carry(event);

    ASSERT_TRUE(Eventually([&] { return QFile(output).size() > 0; }));
    QFile result(output);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), "first one|$HOME;|");  // no shell looked at them
}

}  // namespace
}  // namespace tarnwick
