#pragma once

#include "platform/figures.h"

#include <sched.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// The raw figures on Linux, from /proc and /sys. Each reader takes the root folder of the
// files it reads, so tests feed it captured files; the live system is "/proc" and "/sys".
// The files are read with plain reads into a buffer owned by the reader: a sample allocates
// nothing.
namespace tarnwick::platform {

// One file of /proc, kept open and read again from its start at each sample: one system call
// per read, and the kernel writes the figures afresh for every read from offset 0.
class ProcFile {
public:
    explicit ProcFile(std::string path) : path_(std::move(path)) {}
    ~ProcFile();
    ProcFile(const ProcFile&) = delete;
    ProcFile& operator=(const ProcFile&) = delete;

    // The start of the file (at most size - 1 bytes) in buffer, ended with a NUL; empty when
    // it cannot be read. A short read ends the file, as it does for every file of /proc.
    std::string_view Read(char* buffer, std::size_t size);

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

class LinuxProcessorFigures final : public ProcessorFigures {
public:
    explicit LinuxProcessorFigures(const std::string& procRoot = "/proc",
                                   const std::string& sysRoot = "/sys");

    // Idle plus I/O wait of the aggregate "cpu" line of stat, in 100-ns units, divided by the
    // number of processors counted once at construction.
    bool ReadIdleTime(std::int64_t& idle) override;
    std::uint32_t TickCount() override;
    bool HasTimeStampCounter() override;
    std::uint64_t ReadTimeStampCounter() override;
    void RaisePriorityForTiming() override;
    void RestorePriorityAfterTiming() override;
    void Sleep(std::uint32_t milliseconds) override;
    // cpufreq's cpuinfo_max_freq of the first processor, else the first "cpu MHz" of cpuinfo.
    double NominalSpeed() override;

    int ProcessorCount() const { return processors_; }

private:
    ProcFile stat_;
    std::string cpuinfoPath_;
    std::string maxFreqPath_;
    int processors_ = 1;
    std::int64_t unitsPerTick_ = 100000;  // 100-ns units per clock tick of /proc (USER_HZ 100)
    bool raised_ = false;
    int savedNice_ = 0;
    int savedPolicy_ = SCHED_OTHER;
    sched_param savedParam_{};
    char buffer_[4096];
};

class LinuxMemoryFigures final : public MemoryFigures {
public:
    explicit LinuxMemoryFigures(const std::string& procRoot = "/proc");

    // All from meminfo. Physical: MemTotal and MemAvailable. Page file: SwapTotal and
    // SwapFree. Virtual: a limit of MemTotal + SwapTotal, available that limit less
    // Committed_AS (0 when more is committed than the limit).
    void ReadMemoryStatus(MemoryStatus& status) override;

private:
    ProcFile meminfo_;
    char buffer_[4096];
};

// Levels map to nice values: -1 -> 19, 0 -> 0, 1 -> -10, 2 -> -20.
class LinuxProcessPriority final : public ProcessPriority {
public:
    void SetLevel(int level) override;
    int Level() override;
};

// The nice value of a level (-1, 0, 1, 2), and the level of a nice value read back: 19 and
// above are idle, 0 normal, -10 high, -20 and below real time, anything else 0.
int NiceForLevel(int level);
int LevelForNice(int nice);

}  // namespace tarnwick::platform
