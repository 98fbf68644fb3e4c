#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// The processor's sampling beat on a thread of its own. On the user interface's event loop
// each wake-up would also poll every input and run the loop's timer machinery, which costs
// several times the sample itself.
namespace tarnwick::platform {

class SamplingClock {
public:
    // Given the time now, the time of the next beat after it (both in milliseconds of the
    // monotonic clock); INT64_MAX: no beat until Replan.
    using NextBeat = std::function<std::int64_t(std::int64_t now)>;

    virtual ~SamplingClock() = default;

    // Calls tick at the times nextBeat names, on the clock's own thread, until Stop; a running
    // clock starts anew. nextBeat runs on that thread too. A beat that fell behind (a suspended
    // machine) is not made up: the clock asks nextBeat again from the time it resumes.
    virtual void Start(NextBeat nextBeat, std::function<void()> tick) = 0;

    // What nextBeat answers has changed: the clock asks it again at once.
    virtual void Replan() = 0;

    // Returns once no tick runs any more and none will follow.
    virtual void Stop() = 0;

    virtual bool Active() const = 0;
};

// Milliseconds of the monotonic clock that the beats and the window's timers go by.
std::int64_t MonotonicMs();

// The system's clock; null where the platform has none, and the caller then keeps its beat on
// its own event loop.
std::unique_ptr<SamplingClock> MakeSystemSamplingClock();

}  // namespace tarnwick::platform
