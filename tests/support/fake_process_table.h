#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/processes.h"

namespace tarnwick::testing {

// A process table of spinning processes: each reading adds 200 ticks to all processors' time
// and ticksPerReading to each process's, so a process's share is ticksPerReading / 2 percent.
// It counts its readings, which the watch takes on its own thread.
class FakeProcessTable : public platform::ProcessTable {
public:
    void AddProcess(std::int32_t pid, std::string name, std::uint64_t ticksPerReading) {
        const std::lock_guard<std::mutex> lock(mutex_);
        processes_.push_back({pid, std::move(name), ticksPerReading});
    }
    // How long each reading takes, as for a huge table.
    void SetReadTime(std::chrono::milliseconds time) {
        const std::lock_guard<std::mutex> lock(mutex_);
        readTime_ = time;
    }
    int Reads() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return reads_;
    }

    void Read(const platform::ProcessFiguresWanted&, platform::ProcessTableReading& into) override {
        std::unique_lock<std::mutex> lock(mutex_);
        if (readTime_.count() > 0) {
            lock.unlock();
            std::this_thread::sleep_for(readTime_);
            lock.lock();
        }
        ++reads_;
        into.readable = true;
        into.totalProcessorTime = 200u * static_cast<std::uint64_t>(reads_);
        into.processes.clear();
        for (const Spinner& spinner : processes_) {
            platform::ProcessFigures process;
            process.pid = spinner.pid;
            process.processorTime = spinner.ticksPerReading * static_cast<std::uint64_t>(reads_);
            into.processes.push_back(process);
        }
    }
    std::optional<std::string> Name(std::int32_t pid) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (const Spinner& spinner : processes_) {
            if (spinner.pid == pid) {
                return spinner.name;
            }
        }
        return std::nullopt;
    }

private:
    struct Spinner {
        std::int32_t pid;
        std::string name;
        std::uint64_t ticksPerReading;
    };
    mutable std::mutex mutex_;
    std::vector<Spinner> processes_;
    int reads_ = 0;
    std::chrono::milliseconds readTime_{0};
};

}  // namespace tarnwick::testing
