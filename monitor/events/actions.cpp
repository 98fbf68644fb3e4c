#include "monitor/events/actions.h"

#include <algorithm>

#include "common/platform_id.h"
#include "common/sound/uBeeper.h"

namespace tarnwick {

EventActions::EventActions(const ActionServices& services) : services_(services) {}

EventActions::~EventActions() {
    for (const std::shared_ptr<Beeper>& beeper : beepers_) {
        beeper->Stop();
    }
    beepers_.clear();  // each joins its thread
}

void EventActions::Carry(const TEventRec& event) {
    const std::optional<EventAction> action = event.Does();
    if (!action) {
        return;  // a code beyond the last does nothing
    }
    // The power actions belong to the platforms that have them.
    const bool mayPower =
        services_.platform == kPlatformWindows9x || services_.platform == kPlatformNt;
    switch (*action) {
        case EventAction::Message:
            ShowEventMessage(event);
            break;
        case EventAction::StartProgram:
            if (!event.Target.isEmpty()) {
                services_.dialogs->StartProgram(event.Target, event.Arguments);
            }
            break;
        case EventAction::OpenDocument:
            services_.dialogs->OpenDocument(event.Target);
            break;
        case EventAction::OpenFolder:
            services_.dialogs->OpenFolder(event.Target);
            break;
        case EventAction::Restart:
            if (mayPower) {
                services_.power->Restart();
            }
            break;
        case EventAction::StandBy:
            if (mayPower) {
                services_.power->StandBy();
            }
            break;
        case EventAction::SwitchOff:
            if (mayPower) {
                services_.power->SwitchOff();
            }
            break;
        case EventAction::None:
        case EventAction::CloseMonitor:
            break;  // nothing, or the window's
    }
}

void EventActions::ShowEventMessage(const TEventRec& event) {
    DropEndedSignals();
    std::shared_ptr<Beeper> own;
    if (event.Sound) {
        const SignalParams params{event.Freq, event.ImpulseTime, event.Pause, event.LoopCount,
                                  event.Infinite};
        own = std::make_shared<Beeper>(*services_.tones, params);
        beepers_.push_back(own);
        lastBeeper_ = own;
    }
    const std::weak_ptr<int> alive = alive_;
    const std::weak_ptr<Beeper> ownSignal = own;
    services_.dialogs->ShowEventBox(event.MessageText, [this, alive, ownSignal] {
        if (alive.lock()) {
            MessageClosed(ownSignal);
        }
    });
}

void EventActions::MessageClosed(const std::weak_ptr<Beeper>& own) {
    // The newest signal stops with any box; a box's own signal stops with it too, so an
    // earlier endless signal is never left playing without a box to close.
    for (const std::weak_ptr<Beeper>& weak : {own, lastBeeper_}) {
        if (const std::shared_ptr<Beeper> beeper = weak.lock(); beeper && beeper->Playing()) {
            beeper->Stop();
        }
    }
}

void EventActions::DropEndedSignals() {
    beepers_.erase(
        std::remove_if(beepers_.begin(), beepers_.end(),
                       [](const std::shared_ptr<Beeper>& beeper) { return !beeper->Playing(); }),
        beepers_.end());
}

int EventActions::PlayingSignals() const {
    return static_cast<int>(
        std::count_if(beepers_.begin(), beepers_.end(),
                      [](const std::shared_ptr<Beeper>& beeper) { return beeper->Playing(); }));
}

}  // namespace tarnwick
