#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

#include "common/sound/uBeeper.h"

namespace tarnwick::cfg {

// "Check up": the signal played on the spot, on its own thread like the monitor's, so the
// desktop goes on while it sounds; finished tells the editor to take input again.
class SignalCheck : public QObject {
    Q_OBJECT
public:
    static constexpr std::int32_t kImpulses = 5;

    SignalCheck(platform::ToneOutput& tones, QObject* parent);
    ~SignalCheck() override;

    void Play(std::int32_t freq, std::int32_t impulse, std::int32_t pause);
    void Stop();  // ends a signal at once; finished follows
    bool Playing() const { return beeper_ != nullptr; }

signals:
    void finished();

private:
    void Poll();

    platform::ToneOutput& tones_;
    std::unique_ptr<Beeper> beeper_;
    QTimer poll_;
};

}  // namespace tarnwick::cfg
