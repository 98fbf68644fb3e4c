#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "platform/sound.h"

namespace tarnwick {

// The parameters of one sound signal; each signal keeps its own copy.
struct SignalParams {
    std::int32_t Freq = 1500;
    std::int32_t ImpulseTime = 500;  // ms of one impulse
    std::int32_t Pause = 1000;       // ms of silence after each impulse
    std::int32_t LoopCount = 1;      // impulses; the first always plays
    bool Infinite = false;           // play until stopped
};

// One sound signal on its own thread: an impulse, a pause, again, until its count runs out
// or it is asked to stop. A stop cuts the current impulse or pause short, so a signal ends
// within one cycle. A cycle never takes less than kShortestCycleMs, so a signal of zero
// length cannot spin a processor.
class Beeper {
public:
    static constexpr std::int32_t kShortestCycleMs = 10;

    Beeper(platform::ToneOutput& tones, const SignalParams& params);
    ~Beeper();  // stops and waits for the thread
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;

    void Stop();
    bool Playing() const { return playing_; }
    void Wait();  // until the signal has ended by itself or by Stop

private:
    void Execute(platform::ToneOutput& tones);
    void Sleep(std::int32_t milliseconds);

    const SignalParams params_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> playing_{true};
    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
};

}  // namespace tarnwick
