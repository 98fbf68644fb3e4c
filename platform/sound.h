#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

// The sound device that plays the tones of a signal.
namespace tarnwick::platform {

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

// The system's tones: the default sound device, or silence where there is none.
std::unique_ptr<ToneOutput> MakeSystemTones();

}  // namespace tarnwick::platform
