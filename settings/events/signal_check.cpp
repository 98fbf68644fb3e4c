#include "settings/events/signal_check.h"

namespace tarnwick::cfg {

namespace {
constexpr int kPollMs = 25;
}

SignalCheck::SignalCheck(platform::ToneOutput& tones, QObject* parent)
    : QObject(parent), tones_(tones) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &SignalCheck::Poll);
}

SignalCheck::~SignalCheck() = default;

void SignalCheck::Play(std::int32_t freq, std::int32_t impulse, std::int32_t pause) {
    if (beeper_) {
        return;
    }
    SignalParams params;
    params.Freq = freq;
    params.ImpulseTime = impulse;
    params.Pause = pause;
    params.LoopCount = kImpulses;
    beeper_ = std::make_unique<Beeper>(tones_, params);
    poll_.start();
}

void SignalCheck::Stop() {
    if (beeper_) {
        beeper_->Stop();
        beeper_->Wait();  // a stop cuts the impulse short, so this is quick
        Poll();
    }
}

void SignalCheck::Poll() {
    if (!beeper_ || beeper_->Playing()) {
        return;
    }
    poll_.stop();
    beeper_.reset();  // joins a thread that has already ended
    emit finished();
}

}  // namespace tarnwick::cfg
