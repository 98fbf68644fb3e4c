// The sampling beat on a thread that sleeps to absolute times of the monotonic clock: one
// system call and no allocation per tick. Stopping waits for the current sleep to end, at
// most one interval, which happens only when the monitor closes.
#include "platform/sampling_clock.h"

#include <pthread.h>
#include <time.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <thread>
#include <utility>

namespace tarnwick::platform {

namespace {

void Advance(timespec& at, long nanoseconds) {
    at.tv_nsec += nanoseconds;
    while (at.tv_nsec >= 1000000000L) {
        at.tv_nsec -= 1000000000L;
        ++at.tv_sec;
    }
}

bool Before(const timespec& a, const timespec& b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

class ThreadSamplingClock final : public SamplingClock {
public:
    ~ThreadSamplingClock() override { Stop(); }

    void Start(int intervalMs, std::function<void()> tick) override {
        Stop();
        interval_ = intervalMs > 0 ? intervalMs : 1;
        tick_ = std::move(tick);
        stopping_ = false;
        thread_ = std::thread([this] { Run(); });
    }

    void Stop() override {
        if (!thread_.joinable()) {
            return;
        }
        stopping_ = true;
        thread_.join();
    }

    bool Active() const override { return thread_.joinable(); }
    int Interval() const override { return interval_; }

private:
    void Run() {
        // Signals belong to the user interface's thread, which turns them into events.
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);
        pthread_setname_np(pthread_self(), "sampling");
        const long interval = static_cast<long>(interval_) * 1000000L;
        timespec next{};
        clock_gettime(CLOCK_MONOTONIC, &next);
        Advance(next, interval);
        while (!stopping_) {
            if (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
                continue;
            }
            if (stopping_) {
                break;
            }
            tick_();
            Advance(next, interval);
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            if (Before(next, now)) {
                next = now;  // fell behind: the beat goes on from now, without catching up
                Advance(next, interval);
            }
        }
    }

    int interval_ = 0;
    std::function<void()> tick_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
};

}  // namespace

std::unique_ptr<SamplingClock> MakeSystemSamplingClock() {
    return std::make_unique<ThreadSamplingClock>();
}

}  // namespace tarnwick::platform
