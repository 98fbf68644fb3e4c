#pragma once

#include "platform/figures.h"
#include "platform/sampling_clock.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick::testing {

// Processor figures that the test sets by hand; records what the speed timing asked for.
class FakeProcessor : public platform::ProcessorFigures {
public:
    std::int64_t idle = 0;
    std::uint32_t tick = 0;
    bool idleReadable = true;
    bool hasCounter = true;
    std::vector<std::uint64_t> counterReadings;  // returned one after another
    double nominal = 0;
    std::vector<std::string> calls;

    bool ReadIdleTime(std::int64_t& out) override {
        if (!idleReadable) {
            return false;
        }
        out = idle;
        return true;
    }
    std::uint32_t TickCount() override { return tick; }
    bool HasTimeStampCounter() override { return hasCounter; }
    std::uint64_t ReadTimeStampCounter() override {
        calls.push_back("counter");
        const std::uint64_t value = counterReadings.at(next_++);
        return value;
    }
    void RaisePriorityForTiming() override { calls.push_back("raise"); }
    void RestorePriorityAfterTiming() override { calls.push_back("restore"); }
    void Sleep(std::uint32_t milliseconds) override {
        calls.push_back("sleep " + std::to_string(milliseconds));
    }
    double NominalSpeed() override { return nominal; }

private:
    std::size_t next_ = 0;
};

class FakeMemory : public platform::MemoryFigures {
public:
    platform::MemoryStatus status;
    int reads = 0;

    void ReadMemoryStatus(platform::MemoryStatus& out) override {
        ++reads;
        out = status;
    }
};

// A sampling clock that beats only when the test says so (a stopped one does nothing).
class FakeSamplingClock : public platform::SamplingClock {
public:
    void Start(NextBeat nextBeat, std::function<void()> beat) override {
        nextBeat_ = std::move(nextBeat);
        tick_ = std::move(beat);
    }
    void Replan() override {}
    void Stop() override { tick_ = nullptr; }
    bool Active() const override { return static_cast<bool>(tick_); }
    void Beat() {
        if (tick_) {
            tick_();
        }
    }
    // When the clock would beat next after the time now.
    std::int64_t NextBeatAfter(std::int64_t now) const { return nextBeat_(now); }

private:
    NextBeat nextBeat_;
    std::function<void()> tick_;
};

// A process whose priority can be refused above a given level.
class FakePriority : public platform::ProcessPriority {
public:
    int level = 0;
    int highestAllowed = 2;
    std::vector<int> requests;

    void SetLevel(int requested) override {
        requests.push_back(requested);
        if (requested <= highestAllowed) {
            level = requested;
        }
    }
    int Level() override { return level; }
};

}  // namespace tarnwick::testing
