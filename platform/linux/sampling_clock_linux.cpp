// The sampling beat on a thread that sleeps to absolute times of the monotonic clock: one
// system call and no allocation per beat. A new plan or a stop wakes it at once.
#include "platform/sampling_clock.h"

#include <pthread.h>
#include <time.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>
#include <utility>

namespace tarnwick::platform {

namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC, as MonotonicMs

class ThreadSamplingClock final : public SamplingClock {
public:
    ~ThreadSamplingClock() override { Stop(); }

    void Start(NextBeat nextBeat, std::function<void()> tick) override {
        Stop();
        nextBeat_ = std::move(nextBeat);
        tick_ = std::move(tick);
        stopping_ = false;
        replanned_ = false;
        thread_ = std::thread([this] { Run(); });
    }

    void Replan() override {
        std::lock_guard<std::mutex> lock(mutex_);
        replanned_ = true;
        wake_.notify_one();
    }

    void Stop() override {
        if (!thread_.joinable()) {
            return;
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    bool Active() const override { return thread_.joinable(); }

private:
    void Run() {
        // Signals belong to the user interface's thread, which turns them into events.
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);
        pthread_setname_np(pthread_self(), "sampling");
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stopping_) {
            replanned_ = false;
            const std::int64_t at = nextBeat_(MonotonicMs());
            const bool woken =
                wake_.wait_until(lock, BeatTime(at), [this] { return stopping_ || replanned_; });
            if (!woken) {
                lock.unlock();  // a new plan need not wait for the sample
                tick_();
                lock.lock();
            }
        }
    }

    static Clock::time_point BeatTime(std::int64_t ms) {
        // A far beat waits for a new plan; a year is far enough and keeps the sum in range.
        const std::int64_t limit = MonotonicMs() + std::int64_t{365} * 24 * 3600 * 1000;
        return Clock::time_point(std::chrono::milliseconds(ms < limit ? ms : limit));
    }

    NextBeat nextBeat_;
    std::function<void()> tick_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    bool replanned_ = false;
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
