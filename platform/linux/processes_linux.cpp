#include "platform/linux/processes_linux.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string_view>

namespace tarnwick::platform {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The pid a folder name of /proc stands for; 0 for "self", "sys" and the rest.
std::int32_t PidOf(const char* name) {
    std::int32_t pid = 0;
    const char* end = name + std::char_traits<char>::length(name);
    const auto [at, error] = std::from_chars(name, end, pid);
    return error == std::errc() && at == end && IsDigit(name[0]) && pid > 0 ? pid : 0;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The next word of text from pos on, between blanks or line ends; pos moves past it.
std::string_view NextWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < text.size() && !IsSpace(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

bool ToNumber(std::string_view word, std::uint64_t& value) {
    const auto [at, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && at == word.data() + word.size() && !word.empty();
}

// The words of text from pos on at the ascending indexes which (0 the first), as numbers;
// false when one is missing or no number, or the text has no line end (a file cut short).
template <std::size_t N>
bool Numbers(std::string_view text, std::size_t pos, const std::size_t (&which)[N],
             std::uint64_t (&values)[N]) {
    if (text.find('\n', pos) == std::string_view::npos) {
        return false;
    }
    std::size_t word = 0;
    for (std::size_t i = 0; i < N; ++i) {
        std::string_view current;
        while (word <= which[i]) {
            current = NextWord(text, pos);
            if (current.empty()) {
                return false;
            }
            ++word;
        }
        if (!ToNumber(current, values[i])) {
            return false;
        }
    }
    return true;
}

// The number of kilobytes of the line "key   1234 kB" anywhere in status, in bytes; 0 when the
// process has no such line (a kernel thread has no memory of its own). False when the line is
// cut short.
bool KilobytesOfStatus(std::string_view text, std::string_view key, std::uint64_t& bytes) {
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos) {
        bytes = 0;
        return true;
    }
    std::size_t pos = at + key.size();
    std::uint64_t kb = 0;
    if (!ToNumber(NextWord(text, pos), kb) || text.find('\n', pos) == std::string_view::npos) {
        return false;
    }
    bytes = kb * 1024;
    return true;
}

// Every memory figure from status: VmRSS, VmData + VmStk and VmSwap. False when the file is
// cut short (a complete one ends with a line end).
bool MemoryOfStatus(std::string_view text, ProcessFigures& figures) {
    std::uint64_t data = 0;
    std::uint64_t stack = 0;
    if (text.empty() || text.back() != '\n' ||
        !KilobytesOfStatus(text, "\nVmRSS:", figures.resident) ||
        !KilobytesOfStatus(text, "\nVmData:", data) ||
        !KilobytesOfStatus(text, "\nVmStk:", stack) ||
        !KilobytesOfStatus(text, "\nVmSwap:", figures.swapped)) {
        return false;
    }
    figures.privateWritable = data + stack;
    return true;
}

// The sum of the aggregate line "cpu  user nice system idle iowait irq softirq steal guest
// guest_nice"; guest time is already in user and nice. 0 when it cannot be read.
std::uint64_t TotalTicks(std::string_view text) {
    if (text.substr(0, 4) != "cpu ") {
        return 0;
    }
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return 0;
    }
    const std::string_view line = text.substr(0, end);
    std::size_t pos = 4;
    std::uint64_t total = 0;
    for (int column = 0; column < 8; ++column) {
        std::uint64_t value = 0;
        const std::string_view word = NextWord(line, pos);
        if (word.empty()) {
            break;  // older kernels have fewer columns
        }
        if (!ToNumber(word, value)) {
            return 0;
        }
        total += value;
    }
    return total;
}

class Folder {
public:
    explicit Folder(const std::string& path) : dir_(opendir(path.c_str())) {}
    ~Folder() {
        if (dir_ != nullptr) {
            closedir(dir_);
        }
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};

}  // namespace

LinuxProcessTable::LinuxProcessTable(std::string procRoot, std::size_t pageSize)
    : root_(std::move(procRoot)), pageSize_(pageSize) {
    if (pageSize_ == 0) {
        const long size = sysconf(_SC_PAGESIZE);
        pageSize_ = size > 0 ? static_cast<std::uint64_t>(size) : 4096;
    }
}

std::string_view LinuxProcessTable::ReadAt(int folder, const char* name) {
    const int fd = openat(folder, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return {};
    }
    // A short read ends the file, as it does for every file of /proc: one read per file.
    std::size_t got = 0;
    while (got + 1 < sizeof buffer_) {
        const std::size_t wanted = sizeof buffer_ - 1 - got;
        const ssize_t n = read(fd, buffer_ + got, wanted);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            close(fd);
            return {};  // ESRCH: the process ended after the open
        }
        got += static_cast<std::size_t>(n);
        if (static_cast<std::size_t>(n) < wanted) {
            break;
        }
    }
    close(fd);
    buffer_[got] = '\0';
    return {buffer_, got};
}

bool LinuxProcessTable::ReadProcess(int folder, std::int32_t pid,
                                    const ProcessFiguresWanted& wanted, ProcessFigures& figures) {
    char name[32];
    const auto relative = [&](const char* file) {
        char* end = std::to_chars(name, name + 16, pid).ptr;
        *end++ = '/';
        for (const char* c = file; *c != '\0'; ++c) {
            *end++ = *c;
        }
        *end = '\0';
        return name;
    };
    figures = ProcessFigures();
    figures.pid = pid;
    if (wanted.processorTime) {
        const std::string_view stat = ReadAt(folder, relative("stat"));
        // The name in parentheses may hold blanks and parentheses of its own: the figures
        // start after the last ")". Then state, ppid ... utime (12th), stime, ... starttime
        // (20th), counted from the state.
        const std::size_t close = stat.rfind(')');
        std::uint64_t values[3] = {};
        if (close == std::string_view::npos || !Numbers(stat, close + 1, {11, 12, 19}, values)) {
            return false;
        }
        figures.processorTime = values[0] + values[1];
        figures.started = values[2];
    }
    if (wanted.swapped) {
        // Only status tells the swap; it tells the others too, so statm is spared.
        return MemoryOfStatus(ReadAt(folder, relative("status")), figures);
    }
    if (wanted.resident || wanted.privateWritable) {
        // "size resident shared text lib data dt", in pages: the kernel makes it faster than
        // status.
        std::uint64_t values[2] = {};
        if (!Numbers(ReadAt(folder, relative("statm")), 0, {1, 5}, values)) {
            return false;
        }
        figures.resident = values[0] * pageSize_;
        figures.privateWritable = values[1] * pageSize_;
    }
    return true;
}

void LinuxProcessTable::Read(const ProcessFiguresWanted& wanted, ProcessTableReading& into) {
    into.readable = false;
    into.totalProcessorTime = 0;
    into.processes.clear();
    const Folder proc(root_);
    if (proc.get() == nullptr) {
        return;
    }
    const int folder = dirfd(proc.get());
    if (wanted.processorTime) {
        into.totalProcessorTime = TotalTicks(ReadAt(folder, "stat"));
    }
    while (const dirent* entry = readdir(proc.get())) {
        const std::int32_t pid = PidOf(entry->d_name);
        if (pid == 0) {
            continue;
        }
        ProcessFigures figures;
        if (ReadProcess(folder, pid, wanted, figures)) {
            into.processes.push_back(figures);
        }
    }
    into.readable = true;
    // /proc lists in pid order; a captured tree may not.
    if (!std::is_sorted(
            into.processes.begin(), into.processes.end(),
            [](const ProcessFigures& a, const ProcessFigures& b) { return a.pid < b.pid; })) {
        std::sort(into.processes.begin(), into.processes.end(),
                  [](const ProcessFigures& a, const ProcessFigures& b) { return a.pid < b.pid; });
    }
}

std::optional<std::string> LinuxProcessTable::Name(std::int32_t pid) {
    if (pid <= 0) {
        return std::nullopt;
    }
    const std::string path = root_ + "/" + std::to_string(pid) + "/comm";
    std::string_view text = ReadAt(AT_FDCWD, path.c_str());
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.back() == '\n') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::unique_ptr<ProcessTable> MakeSystemProcessTable() {
    return std::make_unique<LinuxProcessTable>();
}

}  // namespace tarnwick::platform
