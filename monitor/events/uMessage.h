#pragma once

#include <QPointer>
#include <QWidget>

#include "monitor/events/actions.h"

namespace tarnwick {

// The real message boxes. The event box is modal for the whole application but shown without
// a loop of its own, so the monitor's timers go on and further events can open further boxes.
class QtEventMessages final : public EventMessages {
public:
    explicit QtEventMessages(QWidget* owner = nullptr) : owner_(owner) {}
    void ShowEventBox(const QString& text, std::function<void()> closed) override;
    void ShowExitError(const QString& caption) override;

private:
    QPointer<QWidget> owner_;
};

// The caption of every event box.
QString EventBoxCaption();

}  // namespace tarnwick
