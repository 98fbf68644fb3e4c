#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "monitor/events/events.h"

// What a firing event does, and the seams through which it reaches the system, so the tests
// run every action against fakes.
namespace tarnwick {

class Beeper;

// One open sound device, used by one signal on that signal's own thread.
class ToneChannel {
public:
    virtual ~ToneChannel() = default;
    // A tone of freq hertz for milliseconds, returning when it has sounded. Ends early once
    // stop turns true.
    virtual void Play(std::int32_t freq, std::int32_t milliseconds,
                      const std::atomic<bool>& stop) = 0;
};

class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    // Called on a signal's thread; nullptr when no device opens, and the signal is silent.
    virtual std::unique_ptr<ToneChannel> Open() = 0;
};

// The message boxes of the actions. Neither call waits for the user.
class EventMessages {
public:
    virtual ~EventMessages() = default;
    // The application-modal box "Событие" with one OK button; closed runs once it is shut.
    virtual void ShowEventBox(const QString& text, std::function<void()> closed) = 0;
    // The plain box of a refused power action: text "Exit Error", the failed step as caption.
    virtual void ShowExitError(const QString& caption) = 0;
};

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts program with these arguments, no shell between; false when it did not start.
    virtual bool Start(const QString& program, const QStringList& arguments) = 0;
};

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool OpenDocument(const QString& path) = 0;  // in its associated program
    virtual bool OpenFolder(const QString& path) = 0;    // in the file manager
};

class PowerSwitch {
public:
    virtual ~PowerSwitch() = default;
    virtual void Restart() = 0;
    virtual void StandBy() = 0;
    virtual void SwitchOff() = 0;
};

struct ActionServices {
    EventMessages* messages = nullptr;
    ToneOutput* tones = nullptr;
    ProcessStarter* starter = nullptr;
    DocumentOpener* opener = nullptr;
    PowerSwitch* power = nullptr;
    int platform = 0;  // GetPlatform(): power actions only on 2 and 3
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

    // Actions 1 to 4 and 6 to 8 of a fired event; 0, 5 and codes above 8 do nothing here.
    void Carry(const TEventRec& event);

    // The message box with the event's own text and, when Sound, its own signal. Closing a
    // box stops its own signal and the newest one.
    void ShowEventMessage(const TEventRec& event);

    // Signals whose thread still plays.
    int PlayingSignals() const;

private:
    void MessageClosed(const std::weak_ptr<Beeper>& own);
    void DropEndedSignals();

    ActionServices services_;
    std::vector<std::shared_ptr<Beeper>> beepers_;
    std::weak_ptr<Beeper> lastBeeper_;
    // Boxes may outlive this object (a box without owner); their callbacks check it first.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace tarnwick
