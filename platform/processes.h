#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The table of running processes, for naming the process behind a busy resource. One
// implementation per operating system; tests give fixtures or fakes.
namespace tarnwick::platform {

// Which figures a reading takes; each costs the reader a file per process, so only what is
// asked for is read.
struct ProcessFiguresWanted {
    bool processorTime = false;
    bool resident = false;
    bool swapped = false;
    bool privateWritable = false;

    bool Any() const { return processorTime || resident || swapped || privateWritable; }
};

// One process. Times are in the clock ticks of the system's processor time counters, sizes in
// bytes; a figure not asked for stays 0.
struct ProcessFigures {
    std::int32_t pid = 0;
    // When the process started, in clock ticks since boot: a pid taken over by a new process
    // between two readings is another process.
    std::uint64_t started = 0;
    std::uint64_t processorTime = 0;  // user and system time
    std::uint64_t resident = 0;       // resident set
    std::uint64_t swapped = 0;        // swapped out
    // Private writable memory: data, heap, stack and every other private writable mapping,
    // which is what the system commits for the process.
    std::uint64_t privateWritable = 0;
};

struct ProcessTableReading {
    bool readable = false;  // false: the table could not be read at all
    // The processor time of all processors together since boot, in the same ticks; 0 when it
    // is unknown. Taken with processorTime.
    std::uint64_t totalProcessorTime = 0;
    std::vector<ProcessFigures> processes;  // ascending pid
};

class ProcessTable {
public:
    virtual ~ProcessTable() = default;

    // Every process there is now, with the figures wanted. A process that ends while it is
    // being read is left out. into is filled afresh; its storage is reused.
    virtual void Read(const ProcessFiguresWanted& wanted, ProcessTableReading& into) = 0;

    // The name the program gives its process (no arguments), as raw bytes; nothing when the
    // process has gone.
    virtual std::optional<std::string> Name(std::int32_t pid) = 0;
};

// The machine's process table; the null platform's cannot be read.
std::unique_ptr<ProcessTable> MakeSystemProcessTable();

}  // namespace tarnwick::platform
