#include "platform/linux/figures_linux.h"

#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define TARNWICK_HAS_TSC 1
#else
#define TARNWICK_HAS_TSC 0
#endif

namespace tarnwick::platform {

namespace {

// Reads the start of a file into buffer (at most size - 1 bytes) and ends it with a NUL.
// Returns the text, or an empty view when the file cannot be opened or read.
std::string_view ReadStart(const std::string& path, char* buffer, std::size_t size) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::size_t got = 0;
    while (got + 1 < size) {
        const ssize_t n = read(fd, buffer + got, size - 1 - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            close(fd);
            return {};
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    close(fd);
    buffer[got] = '\0';
    return {buffer, got};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// An unsigned decimal at pos after blanks; pos moves past it. False when there is none or it
// does not fit 63 bits.
bool NextNumber(std::string_view text, std::size_t& pos, std::uint64_t& value) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (pos >= text.size() || !IsDigit(text[pos])) {
        return false;
    }
    std::uint64_t v = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        const auto digit = static_cast<std::uint64_t>(text[pos] - '0');
        if (v > (static_cast<std::uint64_t>(INT64_MAX) - digit) / 10) {
            return false;
        }
        v = v * 10 + digit;
        ++pos;
    }
    value = v;
    return true;
}

// Idle plus I/O wait clock ticks of the aggregate line, which must be the first and must be
// complete (a line end after it), so a file cut short never gives a cut number.
bool ParseStatIdle(std::string_view text, std::uint64_t& ticks) {
    constexpr std::string_view kPrefix = "cpu ";
    if (text.substr(0, kPrefix.size()) != kPrefix) {
        return false;
    }
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return false;
    }
    const std::string_view line = text.substr(0, end);
    std::size_t pos = kPrefix.size();
    std::uint64_t fields[5] = {};
    int count = 0;
    while (count < 5 && NextNumber(line, pos, fields[count])) {
        ++count;
    }
    // user nice system idle, then iowait since Linux 2.5.41.
    if (count < 4) {
        return false;
    }
    ticks = fields[3] + (count >= 5 ? fields[4] : 0);
    return true;
}

// Lines "cpuN ..." of stat: the processors that the aggregate line sums.
int CountStatProcessors(std::string_view text) {
    int count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        if (rest.size() > 3 && rest.substr(0, 3) == "cpu" && IsDigit(rest[3])) {
            ++count;
        }
        const std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            break;
        }
        pos = end + 1;
    }
    return count;
}

// The number after "key:" at the start of a line, in the file's unit; false when the key is
// missing or its number is not complete.
bool FindField(std::string_view text, std::string_view key, std::uint64_t& value) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            return false;  // the last line is cut short
        }
        const std::string_view line = text.substr(pos, end - pos);
        if (line.size() > key.size() && line.substr(0, key.size()) == key &&
            line[key.size()] == ':') {
            std::size_t at = key.size() + 1;
            return NextNumber(line, at, value);
        }
        pos = end + 1;
    }
    return false;
}

// Kilobytes of meminfo and status to bytes, saturating far beyond any real machine.
std::int64_t KilobytesToBytes(std::uint64_t kb) {
    constexpr std::uint64_t kMaxKb = static_cast<std::uint64_t>(INT64_MAX) / 1024;
    return static_cast<std::int64_t>((kb > kMaxKb ? kMaxKb : kb) * 1024);
}

}  // namespace

ProcFile::~ProcFile() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

std::string_view ProcFile::Read(char* buffer, std::size_t size) {
    if (fd_ < 0) {
        fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            return {};
        }
    }
    std::size_t got = 0;
    while (got + 1 < size) {
        const std::size_t wanted = size - 1 - got;
        const ssize_t n = pread(fd_, buffer + got, wanted, static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            // Opened afresh at the next read.
            close(fd_);
            fd_ = -1;
            return {};
        }
        got += static_cast<std::size_t>(n);
        if (static_cast<std::size_t>(n) < wanted) {
            break;
        }
    }
    buffer[got] = '\0';
    return {buffer, got};
}

LinuxProcessorFigures::LinuxProcessorFigures(const std::string& procRoot,
                                             const std::string& sysRoot)
    : stat_(procRoot + "/stat"),
      cpuinfoPath_(procRoot + "/cpuinfo"),
      maxFreqPath_(sysRoot + "/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq") {
    // Counted once: the count only changes when a processor is taken off or put on line.
    std::string stat;
    ReadWholeFile(stat_.Path(), stat);  // once, at start-up
    int count = CountStatProcessors(stat);
    if (count <= 0) {
        const long online = sysconf(_SC_NPROCESSORS_ONLN);
        count = online > 0 ? static_cast<int>(online) : 1;
    }
    processors_ = count;
    const long hz = sysconf(_SC_CLK_TCK);
    if (hz > 0 && 10000000 % hz == 0) {
        unitsPerTick_ = 10000000 / hz;
    }
}

bool LinuxProcessorFigures::ReadIdleTime(std::int64_t& idle) {
    std::uint64_t ticks = 0;
    if (!ParseStatIdle(stat_.Read(buffer_, sizeof buffer_), ticks)) {
        return false;
    }
    // Clock ticks fit 63 bits for millennia even after the multiplication.
    idle = static_cast<std::int64_t>(ticks) * unitsPerTick_ / processors_;
    return true;
}

std::uint32_t LinuxProcessorFigures::TickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

bool LinuxProcessorFigures::HasTimeStampCounter() {
    return TARNWICK_HAS_TSC != 0;
}

std::uint64_t LinuxProcessorFigures::ReadTimeStampCounter() {
#if TARNWICK_HAS_TSC
    return __rdtsc();
#else
    return 0;
#endif
}

void LinuxProcessorFigures::RaisePriorityForTiming() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    savedNice_ = (nice == -1 && errno != 0) ? 0 : nice;
    pthread_getschedparam(pthread_self(), &savedPolicy_, &savedParam_);
    raised_ = true;
    // Both are refused without the privilege to raise priorities; the timing goes on.
    setpriority(PRIO_PROCESS, 0, -20);
    sched_param fifo{};
    fifo.sched_priority = sched_get_priority_max(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &fifo);
}

void LinuxProcessorFigures::RestorePriorityAfterTiming() {
    if (!raised_) {
        return;
    }
    raised_ = false;
    pthread_setschedparam(pthread_self(), savedPolicy_, &savedParam_);
    setpriority(PRIO_PROCESS, 0, savedNice_);
}

void LinuxProcessorFigures::Sleep(std::uint32_t milliseconds) {
    timespec left{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

double LinuxProcessorFigures::NominalSpeed() {
    std::uint64_t value = 0;
    std::string_view text = ReadStart(maxFreqPath_, buffer_, sizeof buffer_);
    std::size_t pos = 0;
    if (NextNumber(text, pos, value) && value > 0) {
        return static_cast<double>(value) / 1000.0;  // kHz
    }
    // "cpu MHz\t\t: 2096.037"; processors without it (most ARM ones) tell nothing here.
    text = ReadStart(cpuinfoPath_, buffer_, sizeof buffer_);
    const std::size_t at = text.find("cpu MHz");
    if (at == std::string_view::npos) {
        return 0;
    }
    const std::size_t colon = text.find(':', at);
    if (colon == std::string_view::npos) {
        return 0;
    }
    pos = colon + 1;
    if (!NextNumber(text, pos, value)) {
        return 0;
    }
    double mhz = static_cast<double>(value);
    if (pos < text.size() && text[pos] == '.') {
        double scale = 0.1;
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos, scale /= 10) {
            mhz += (text[pos] - '0') * scale;
        }
    }
    return mhz;
}

LinuxMemoryFigures::LinuxMemoryFigures(const std::string& procRoot)
    : meminfo_(procRoot + "/meminfo") {}

void LinuxMemoryFigures::ReadMemoryStatus(MemoryStatus& status) {
    const std::string_view text = meminfo_.Read(buffer_, sizeof buffer_);
    std::uint64_t memTotal = 0;
    if (!FindField(text, "MemTotal", memTotal)) {
        return;  // nothing of this read can be trusted
    }
    std::uint64_t memAvailable = 0;
    if (!FindField(text, "MemAvailable", memAvailable)) {
        // Kernels before 3.14 lack the kernel's own estimate; free plus caches is close.
        std::uint64_t part = 0;
        memAvailable = FindField(text, "MemFree", part) ? part : 0;
        memAvailable += FindField(text, "Buffers", part) ? part : 0;
        memAvailable += FindField(text, "Cached", part) ? part : 0;
    }
    status.totalPhys = KilobytesToBytes(memTotal);
    status.availPhys = KilobytesToBytes(memAvailable);

    // A file cut short keeps the swap and commit figures of the last full read.
    std::uint64_t swapTotal = 0;
    std::uint64_t swapFree = 0;
    if (!FindField(text, "SwapTotal", swapTotal) || !FindField(text, "SwapFree", swapFree)) {
        return;
    }
    status.totalPageFile = KilobytesToBytes(swapTotal);
    status.availPageFile = KilobytesToBytes(swapFree < swapTotal ? swapFree : swapTotal);

    std::uint64_t committed = 0;
    if (!FindField(text, "Committed_AS", committed)) {
        return;
    }
    // Linux lets more be committed than RAM plus swap (overcommit); the gauge stops at full.
    const std::int64_t limit = KilobytesToBytes(memTotal + swapTotal);
    const std::int64_t used = KilobytesToBytes(committed);
    status.totalVirtual = limit;
    status.availVirtual = used < limit ? limit - used : 0;
}

int NiceForLevel(int level) {
    switch (level) {
        case -1:
            return 19;
        case 1:
            return -10;
        case 2:
            return -20;
        default:
            return 0;
    }
}

int LevelForNice(int nice) {
    if (nice >= 19) {
        return -1;
    }
    if (nice <= -20) {
        return 2;
    }
    if (nice == -10) {
        return 1;
    }
    return 0;
}

void LinuxProcessPriority::SetLevel(int level) {
    // Nice is per thread on Linux, and threads started later inherit the caller's. Every
    // thread that already runs (the sampling clock's too) gets it, so the level is the whole
    // process's; without /proc only the calling thread can be named.
    const int nice = NiceForLevel(level);
    DIR* tasks = opendir("/proc/self/task");
    if (tasks == nullptr) {
        setpriority(PRIO_PROCESS, 0, nice);
        return;
    }
    while (const dirent* entry = readdir(tasks)) {
        char* end = nullptr;
        const long thread = std::strtol(entry->d_name, &end, 10);
        if (thread > 0 && *end == '\0') {
            setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice);
        }
    }
    closedir(tasks);
}

int LinuxProcessPriority::Level() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    if (nice == -1 && errno != 0) {
        return 0;
    }
    return LevelForNice(nice);
}

}  // namespace tarnwick::platform
