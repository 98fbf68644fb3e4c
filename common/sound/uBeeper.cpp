#include "common/sound/uBeeper.h"

#include <algorithm>
#include <chrono>
#include <memory>

namespace tarnwick {

Beeper::Beeper(platform::ToneOutput& tones, const SignalParams& params)
    : params_(params), thread_([this, &tones] { Execute(tones); }) {}

Beeper::~Beeper() {
    Stop();
    Wait();
}

void Beeper::Stop() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

void Beeper::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void Beeper::Sleep(std::int32_t milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_.load(); });
}

void Beeper::Execute(platform::ToneOutput& tones) {
    // Opened here, so a slow device never holds up the user-interface thread.
    const std::unique_ptr<platform::ToneChannel> channel = tones.Open();
    const std::int32_t impulse = std::max(params_.ImpulseTime, 0);
    const std::int32_t pause = std::max(params_.Pause, 0);
    const std::int32_t filler = std::max(kShortestCycleMs - impulse - pause, 0);
    std::int64_t count = params_.Infinite ? 3 : params_.LoopCount;
    do {
        if (channel) {
            channel->Play(params_.Freq, impulse, stop_);
        } else {
            Sleep(impulse);  // no device: keep the rhythm in silence
        }
        Sleep(pause + filler);
        if (!params_.Infinite) {
            --count;
        }
    } while (!stop_ && count >= 1);
    playing_ = false;
}

}  // namespace tarnwick
