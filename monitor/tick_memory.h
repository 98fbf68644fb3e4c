#pragma once

#include <cstdint>
#include <functional>

#include "platform/figures.h"

namespace tarnwick {

// The memory figures as the timers read them. Timers whose ticks fall into one wake-up of the
// event loop (the indicators, the diagram, the tray icon and the events, at 500 ms by default,
// all expire together) share one reading of the system's figures: the figures of one tick are
// the same figures. The window starts a new wake-up before the loop sleeps again.
//
// A timer names itself as the reader before it measures (ReadingFor), so a timer that reads a
// second time before a new wake-up was announced is taken as a new tick and reads afresh.
// Everything that is no timer's tick (a menu, a repaint, the start-up) always reads afresh.
//
// The same reckoning of ticks tells the processor's sampler when a tick begins to read, so
// that the timers of one wake-up share one reading of the load too (OnTickReading).
class TickMemoryFigures : public platform::MemoryFigures {
public:
    static constexpr int kNoTimer = -1;
    static constexpr int kMaxReaders = 32;

    explicit TickMemoryFigures(platform::MemoryFigures& system) : system_(system) {}

    void ReadMemoryStatus(platform::MemoryStatus& status) override;

    // The event loop goes to sleep: the next tick reads the system's figures.
    void NewWakeUp() {
        shared_ = 0;
        ticking_ = 0;
    }

    // Called when the first timer of a tick names itself as a reader, before it reads.
    void OnTickReading(std::function<void()> call) { onTickReading_ = std::move(call); }

    // Names the reader of the following reads: a timer's number 0..kMaxReaders - 1, or
    // kNoTimer. Reading restores kNoTimer when the scope ends.
    class Reading {
    public:
        Reading(TickMemoryFigures& figures, int reader) : figures_(figures) {
            figures_.BeginReading(reader);
        }
        ~Reading() { figures_.reader_ = kNoTimer; }
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;

    private:
        TickMemoryFigures& figures_;
    };
    Reading ReadingFor(int timer) { return Reading(*this, timer); }

    // How often the system's figures were read, for tests and benchmarks.
    long long SystemReads() const { return systemReads_; }

private:
    void BeginReading(int reader);

    platform::MemoryFigures& system_;
    platform::MemoryStatus latest_;
    std::uint32_t shared_ = 0;   // the timers that used latest_ in this wake-up; 0: none
    std::uint32_t ticking_ = 0;  // the timers that began to read in this wake-up
    std::function<void()> onTickReading_;
    int reader_ = kNoTimer;
    long long systemReads_ = 0;
};

}  // namespace tarnwick
