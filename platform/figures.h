#pragma once

#include <cstdint>
#include <memory>

// The raw figures of the processor, the memory and the process priority, as the monitor's
// sampler and measures need them. One implementation per operating system; tests give fakes.
namespace tarnwick::platform {

class ProcessorFigures {
public:
    virtual ~ProcessorFigures() = default;

    // Idle time of all processors together divided by their number, in 100-nanosecond units
    // since boot, so the figure grows by at most 10000000 per second of wall-clock time and a
    // busy core is never mistaken for an idle machine. False when it cannot be read; idle is
    // then left as it was.
    virtual bool ReadIdleTime(std::int64_t& idle) = 0;

    // Milliseconds of a steady clock, kept as 32 bits, so it wraps after 49.7 days.
    virtual std::uint32_t TickCount() = 0;

    // The processor's time-stamp counter, where it has one that counts at a steady rate.
    virtual bool HasTimeStampCounter() = 0;
    virtual std::uint64_t ReadTimeStampCounter() = 0;

    // Raises the calling process and thread as high as the system allows for a timing run, and
    // puts both back afterwards. A refused raise is no error: the timing is then merely less
    // steady.
    virtual void RaisePriorityForTiming() = 0;
    virtual void RestorePriorityAfterTiming() = 0;

    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // The processor's nominal clock in MHz where there is no usable time-stamp counter; 0 when
    // nothing tells it.
    virtual double NominalSpeed() = 0;
};

// The memory status in bytes, in the fields of the Windows record the measures were made for.
// Page file is the swap space: its size and its free part (0 of 0 without swap). Virtual is the
// system's commit charge: the limit is physical memory plus swap, the way Windows counts RAM
// plus page files, and available is that limit less what is committed, never below 0.
struct MemoryStatus {
    std::int64_t totalPhys = 0;
    std::int64_t availPhys = 0;
    std::int64_t totalPageFile = 0;
    std::int64_t availPageFile = 0;
    std::int64_t totalVirtual = 0;
    std::int64_t availVirtual = 0;
};

class MemoryFigures {
public:
    virtual ~MemoryFigures() = default;

    // Refreshes status with the current figures. A figure that cannot be read keeps the value
    // it had in status.
    virtual void ReadMemoryStatus(MemoryStatus& status) = 0;
};

// Priority of the monitor's own process, in the levels of its menu and settings: -1 idle,
// 0 normal, 1 high, 2 real time.
class ProcessPriority {
public:
    virtual ~ProcessPriority() = default;

    // Asks for the level; the system may refuse (a raise needs privileges), which is no error.
    virtual void SetLevel(int level) = 0;

    // The level the process has now; a priority between the levels reads as 0.
    virtual int Level() = 0;
};

// The figures of the machine the programs run on.
std::unique_ptr<ProcessorFigures> MakeSystemProcessorFigures();
std::unique_ptr<MemoryFigures> MakeSystemMemoryFigures();
std::unique_ptr<ProcessPriority> MakeSystemProcessPriority();

}  // namespace tarnwick::platform
