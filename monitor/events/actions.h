#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "common/ui/dialogs.h"
#include "monitor/events/events.h"
#include "platform/notifications.h"
#include "platform/sound.h"

// What a firing event does, and the seams through which it reaches the system, so the tests
// run every action against fakes.
namespace tarnwick {

class Beeper;

class PowerSwitch {
public:
    virtual ~PowerSwitch() = default;
    virtual void Restart() = 0;
    virtual void StandBy() = 0;
    virtual void SwitchOff() = 0;
};

struct ActionServices {
    Dialogs* dialogs = nullptr;  // the message boxes, programs, documents and folders
    platform::ToneOutput* tones = nullptr;
    PowerSwitch* power = nullptr;
    int platform = 0;  // GetPlatform(): power actions only on 2 and 3
    // Where messages that ask for it go instead of a box; none: every message is a box.
    platform::DesktopNotifications* notifications = nullptr;
};

// The actions of the events, but closing the monitor, which is the window's. Called on the
// user-interface thread.
class EventActions {
public:
    explicit EventActions(const ActionServices& services);
    // Stops every signal and waits for their threads, which takes at most one short step.
    virtual ~EventActions();
    EventActions(const EventActions&) = delete;
    EventActions& operator=(const EventActions&) = delete;

    // The action of a fired event, but closing the monitor; no action and unknown codes do
    // nothing.
    void Carry(const TEventRec& event);

    // The message box with the event's own text and, when Sound, its own signal. Closing a
    // box stops its own signal and the newest one. With Notify the text goes to the desktop's
    // notification service instead, and its signal stops when the notification closes; where
    // no service takes it, the box shows after all.
    void ShowEventMessage(const TEventRec& event);

    // Signals whose thread still plays.
    int PlayingSignals() const;

private:
    void ShowBox(const QString& text, const std::weak_ptr<Beeper>& own);
    void MessageClosed(const std::weak_ptr<Beeper>& own);
    void NotificationClosed(std::uint32_t id);
    void DropEndedSignals();

    ActionServices services_;
    std::vector<std::shared_ptr<Beeper>> beepers_;
    std::weak_ptr<Beeper> lastBeeper_;
    // The signals of shown notifications, by the service's id, until the notification closes.
    std::vector<std::pair<std::uint32_t, std::weak_ptr<Beeper>>> notified_;
    // Boxes may outlive this object (a box without owner); their callbacks check it first.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace tarnwick
