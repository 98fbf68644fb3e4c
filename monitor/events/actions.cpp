#include "monitor/events/actions.h"

#include <algorithm>

#include "common/platform_id.h"
#include "common/sound/uBeeper.h"

namespace tarnwick {

namespace {

// The notification's summary: the event's name, or the caption of the box for a nameless one.
QString SummaryOf(const TEventRec& event) {
    return event.Name.isEmpty() ? EventBoxCaption() : event.Name;
}

// The message's lines as a notification's body takes them.
QString BodyOf(const QString& text) {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (body.endsWith(QLatin1Char('\n'))) {
        body.chop(1);
    }
    return body;
}

}  // namespace

EventActions::EventActions(const ActionServices& services) : services_(services) {
    if (services_.notifications != nullptr) {
        services_.notifications->SetClosedHandler(
            [this](std::uint32_t id) { NotificationClosed(id); });
    }
}

EventActions::~EventActions() {
    if (services_.notifications != nullptr) {
        services_.notifications->SetClosedHandler(nullptr);
    }
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
    const std::weak_ptr<Beeper> ownSignal = own;
    if (!event.Notify || services_.notifications == nullptr) {
        ShowBox(event.MessageText, ownSignal);
        return;
    }
    const std::weak_ptr<int> alive = alive_;
    services_.notifications->Notify(
        SummaryOf(event), BodyOf(event.MessageText),
        [this, alive, ownSignal, text = event.MessageText](std::optional<std::uint32_t> id) {
            if (!alive.lock()) {
                return;
            }
            if (!id) {
                ShowBox(text, ownSignal);  // nobody took it: the user still gets the message
                return;
            }
            if (!ownSignal.expired()) {
                notified_.erase(std::remove_if(notified_.begin(), notified_.end(),
                                               [](const auto& shown) {
                                                   const auto beeper = shown.second.lock();
                                                   return !beeper || !beeper->Playing();
                                               }),
                                notified_.end());
                notified_.emplace_back(*id, ownSignal);
            }
        });
}

void EventActions::ShowBox(const QString& text, const std::weak_ptr<Beeper>& own) {
    const std::weak_ptr<int> alive = alive_;
    services_.dialogs->ShowEventBox(text, [this, alive, own] {
        if (alive.lock()) {
            MessageClosed(own);
        }
    });
}

void EventActions::NotificationClosed(std::uint32_t id) {
    const auto shown = std::find_if(notified_.begin(), notified_.end(),
                                    [id](const auto& entry) { return entry.first == id; });
    if (shown == notified_.end()) {
        return;
    }
    // Only its own signal: a box still open keeps the newest one going.
    if (const std::shared_ptr<Beeper> beeper = shown->second.lock(); beeper && beeper->Playing()) {
        beeper->Stop();
    }
    notified_.erase(shown);
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
