#pragma once

#include <functional>
#include <memory>

// A steady beat on a thread of its own. The processor is sampled every 100 ms all day long;
// on the user interface's event loop each of those wake-ups would also poll every input and
// run the loop's timer machinery, which costs several times the sample itself.
namespace tarnwick::platform {

class SamplingClock {
public:
    virtual ~SamplingClock() = default;

    // Calls tick every intervalMs milliseconds from now on, on the clock's own thread, until
    // Stop; a running clock starts its beat anew. A beat that fell behind (a suspended machine)
    // goes on from the time it resumes instead of catching up.
    virtual void Start(int intervalMs, std::function<void()> tick) = 0;

    // Returns once no tick runs any more and none will follow.
    virtual void Stop() = 0;

    virtual bool Active() const = 0;
    virtual int Interval() const = 0;
};

// The system's clock; null where the platform has none, and the caller then keeps its beat on
// its own event loop.
std::unique_ptr<SamplingClock> MakeSystemSamplingClock();

}  // namespace tarnwick::platform
