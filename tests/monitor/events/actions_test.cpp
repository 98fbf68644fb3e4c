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

#include "monitor/events/power.h"
#include "monitor/events/system_actions.h"
#include "monitor/events/tone_alsa.h"
#include "monitor/events/uBeeper.h"
#include "monitor/events/uMessage.h"
#include "tests/common/temp_folder.h"
#include "tests/monitor/events/event_fakes.h"

namespace tarnwick {
namespace {

using testing::FakeActionSet;
using testing::FakeTones;
using testing::TempFolder;

template <typename Condition>
bool Eventually(Condition condition) {
    for (int i = 0; i < 400; ++i) {
        if (condition()) {
            return true;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

TEST(Signal, PlaysItsCountAndAlwaysTheFirstImpulse) {
    for (const auto& [loopCount, expected] : {std::pair{3, 3}, {0, 1}, {-4, 1}, {1, 1}}) {
        FakeTones tones;
        Beeper beeper(tones, SignalParams{880, 1, 1, loopCount, false});
        beeper.Wait();
        EXPECT_EQ(tones.impulses, expected) << "LoopCount " << loopCount;
        EXPECT_EQ(tones.lastFreq, 880);
        EXPECT_FALSE(beeper.Playing());
    }
    struct NoDevice : ToneOutput {
        std::unique_ptr<ToneChannel> Open() override { return nullptr; }
    } none;
    Beeper silent(none, SignalParams{1500, 2, 2, 3, false});  // keeps its rhythm in silence
    silent.Wait();
    EXPECT_FALSE(silent.Playing());
}

TEST(Signal, EndlessSignalStopsWithinOneCycle) {
    FakeTones tones;
    Beeper beeper(tones, SignalParams{1500, 1, 1, 0, true});
    ASSERT_TRUE(Eventually([&] { return tones.impulses >= 5; }));  // beyond a count of 3
    beeper.Stop();
    beeper.Wait();
    const int played = tones.impulses;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(tones.impulses, played);

    // A long pause is cut short: stopping does not wait out its minute.
    Beeper slow(tones, SignalParams{1500, 1, 60000, 5, false});
    const auto start = std::chrono::steady_clock::now();
    slow.Stop();
    slow.Wait();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(Signal, RealToneSoundsOnTheDefaultDevice) {
    // A null "default" device of our own, so the test needs no sound card and makes no noise.
    TempFolder folder;
    const std::string conf = folder.file("asound.conf");
    TempFolder::Write(conf, "pcm.!default {\n type null\n}\n");
    qputenv("ALSA_CONFIG_PATH", QByteArray::fromStdString(conf));
    AlsaTones tones;
    const std::unique_ptr<ToneChannel> channel = tones.Open();
    qunsetenv("ALSA_CONFIG_PATH");
    ASSERT_NE(channel, nullptr);
    std::atomic<bool> stop{false};
    const auto start = std::chrono::steady_clock::now();
    channel->Play(1500, 120, stop);
    channel->Play(99999, 40, stop);  // beyond what the device carries: silence
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    stop = true;
    const auto stopped = std::chrono::steady_clock::now();
    channel->Play(1500, 60000, stop);
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(1));
}

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
    ASSERT_EQ(fakes.messages.boxes.size(), 3u);
    EXPECT_EQ(fakes.messages.boxes[0].text, "first");
    EXPECT_EQ(fakes.messages.boxes[2].text, "third");
    ASSERT_TRUE(Eventually([&] { return actions.PlayingSignals() == 2; }));
    fakes.messages.Close(2);  // no sound of its own: stops the newest, "second"
    EXPECT_TRUE(Eventually([&] { return actions.PlayingSignals() == 1; }));
    fakes.messages.Close(0);  // its own
    EXPECT_TRUE(Eventually([&] { return actions.PlayingSignals() == 0; }));
}

// A session manager that answers as told and remembers the orders it got.
class FakeLogin : public LoginManager {
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
    testing::FakeMessages boxes;
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
    QtProcessStarter starter;
    FakeActionSet fakes;
    ActionServices services = fakes.Services();
    services.starter = &starter;
    EventActions actions(services);
    actions.Carry(event);

    ASSERT_TRUE(Eventually([&] { return QFile(output).size() > 0; }));
    QFile result(output);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), "first one|$HOME;|");  // no shell looked at them
}

TEST(RealBoxes, EventBoxIsModalButDoesNotWait) {
    QtEventMessages messages;
    int closed = 0;
    messages.ShowEventBox(QStringLiteral("Line one\r\n<b>two</b>\r\n"), [&] { ++closed; });
    messages.ShowEventBox(QStringLiteral("Another"), [&] { ++closed; });

    // Both are open at once: the first did not hold up the second.
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            boxes.push_back(box);
        }
    }
    ASSERT_EQ(boxes.size(), 2);
    for (QMessageBox* box : boxes) {
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Событие"));
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->button(QMessageBox::Ok)->click();
    }
    EXPECT_EQ(closed, 2);
}

}  // namespace
}  // namespace tarnwick
