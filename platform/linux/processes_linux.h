#pragma once

#include "platform/processes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The process table on Linux, from /proc. It takes the root folder it reads, so tests feed it
// captured trees; the live system is "/proc". One object serves one thread at a time: it reads
// into a buffer of its own.
namespace tarnwick::platform {

class LinuxProcessTable final : public ProcessTable {
public:
    // pageSize: the bytes of a page of statm; 0 asks the system.
    explicit LinuxProcessTable(std::string procRoot = "/proc", std::size_t pageSize = 0);

    // Per process only the files the figures need: processor time and start from stat;
    // resident set and private writable memory from statm ("resident", and "data": the
    // kernel's count of private writable pages, data and stack); with swap all three from
    // status (VmRSS, VmData + VmStk, VmSwap), which tells the same. The total processor time
    // is the aggregate line of the root's stat, without the guest columns that user and nice
    // already hold.
    void Read(const ProcessFiguresWanted& wanted, ProcessTableReading& into) override;
    // comm of the process, without its line end.
    std::optional<std::string> Name(std::int32_t pid) override;

private:
    // The figures of one process; false when it has gone or a file of it is cut short.
    bool ReadProcess(int folder, std::int32_t pid, const ProcessFiguresWanted& wanted,
                     ProcessFigures& figures);
    // The start of the file name (relative to the open folder) in buffer_; empty when it
    // cannot be read.
    std::string_view ReadAt(int folder, const char* name);

    std::string root_;
    std::uint64_t pageSize_;
    char buffer_[8192];
};

}  // namespace tarnwick::platform
