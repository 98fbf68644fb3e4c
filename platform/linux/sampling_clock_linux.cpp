// The sampling beat on a thread that sleeps to absolute times of the monotonic clock on a
// futex: one system call and no allocation per beat, as few as a plain sleep costs, and yet a
// new plan or a stop wakes it at once.
#include "platform/sampling_clock.h"

#include <linux/futex.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <thread>
#include <utility>

namespace tarnwick::platform {

namespace {

class ThreadSamplingClock final : public SamplingClock {
public:
    ~ThreadSamplingClock() override { Stop(); }

    void Start(NextBeat nextBeat, std::function<void()> tick) override {
        Stop();
        nextBeat_ = std::move(nextBeat);
        tick_ = std::move(tick);
        stopping_ = false;
        thread_ = std::thread([this] { Run(); });
    }

    void Replan() override { WakeUp(); }

    void Stop() override {
        if (!thread_.joinable()) {
            return;
        }
        stopping_ = true;
        WakeUp();
        thread_.join();
    }

    bool Active() const override { return thread_.joinable(); }

private:
    void WakeUp() {
        ++plan_;
        syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&plan_), FUTEX_WAKE_PRIVATE, 1, nullptr,
                nullptr, 0);
    }

    void Run() {
        // Signals belong to the user interface's thread, which turns them into events.
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);
        pthread_setname_np(pthread_self(), "sampling");
        while (!stopping_) {
            const std::uint32_t plan = plan_;
            const timespec at = BeatTime(nextBeat_(MonotonicMs()));
            // Sleeps unless the plan changed meanwhile; the time is absolute, on the monotonic
            // clock. Only the end of that time is a beat: a new plan or a signal asks again.
            const long slept =
                syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&plan_),
                        FUTEX_WAIT_BITSET_PRIVATE, plan, &at, nullptr, FUTEX_BITSET_MATCH_ANY);
            if (slept == -1 && errno == ETIMEDOUT && !stopping_ && plan_ == plan) {
                tick_();
            }
        }
    }

    static timespec BeatTime(std::int64_t ms) {
        // A far beat waits for a new plan; a year is far enough and keeps the time in range.
        const std::int64_t limit = MonotonicMs() + std::int64_t{365} * 24 * 3600 * 1000;
        const std::int64_t at = ms < limit ? ms : limit;
        return timespec{static_cast<time_t>(at / 1000), static_cast<long>(at % 1000) * 1000000L};
    }

    static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t),
                  "the futex word is the atomic itself");
    NextBeat nextBeat_;
    std::function<void()> tick_;
    std::thread thread_;
    std::atomic<std::uint32_t> plan_{0};  // the futex word: changes with each new plan
    std::atomic<bool> stopping_{false};
};

}  // namespace

std::int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::unique_ptr<SamplingClock> MakeSystemSamplingClock() {
    return std::make_unique<ThreadSamplingClock>();
}

}  // namespace tarnwick::platform
