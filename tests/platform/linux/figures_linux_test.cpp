#include "platform/linux/figures_linux.h"

#include "monitor/measures.h"
#include "monitor/usecpu.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <string>
#include <thread>

namespace tarnwick::platform {
namespace {

const std::string kData = TARNWICK_TEST_DATA;
constexpr std::int64_t kKB = 1024;

TEST(LinuxProcessorFigures, IdleOfAllProcessorsFromCapturedStat) {
    // Idle plus I/O wait of the aggregate line, in 100-ns units, shared by the processors.
    LinuxProcessorFigures twoCpu(kData + "/proc-two-cpu", kData + "/none");
    EXPECT_EQ(twoCpu.ProcessorCount(), 2);
    std::int64_t idle = 0;
    ASSERT_TRUE(twoCpu.ReadIdleTime(idle));
    EXPECT_EQ(idle, (150000 + 2000) * 100000LL / 2);

    LinuxProcessorFigures captured(kData + "/proc-x86_64-2cpu", kData + "/none");
    EXPECT_EQ(captured.ProcessorCount(), 2);
    ASSERT_TRUE(captured.ReadIdleTime(idle));
    EXPECT_EQ(idle, (90353 + 299) * 100000LL / 2);

    // A kernel without the I/O wait column.
    LinuxProcessorFigures old(kData + "/proc-old-kernel", kData + "/none");
    EXPECT_EQ(old.ProcessorCount(), 1);
    ASSERT_TRUE(old.ReadIdleTime(idle));
    EXPECT_EQ(idle, 80000 * 100000LL);
}

TEST(LinuxProcessorFigures, CutOrMissingStatLeavesIdleAlone) {
    std::int64_t idle = 1234;
    LinuxProcessorFigures truncated(kData + "/proc-truncated", kData + "/none");
    EXPECT_GE(truncated.ProcessorCount(), 1);
    EXPECT_FALSE(truncated.ReadIdleTime(idle));
    LinuxProcessorFigures missing(kData + "/no-such-folder", kData + "/none");
    EXPECT_FALSE(missing.ReadIdleTime(idle));
    EXPECT_EQ(idle, 1234);
}

TEST(LinuxProcessorFigures, NominalSpeedFromCpufreqThenCpuinfo) {
    LinuxProcessorFigures withCpufreq(kData + "/proc-old-kernel", kData + "/sys-cpufreq");
    EXPECT_DOUBLE_EQ(withCpufreq.NominalSpeed(), 2400.0);
    LinuxProcessorFigures withCpuinfo(kData + "/proc-old-kernel", kData + "/none");
    EXPECT_DOUBLE_EQ(withCpuinfo.NominalSpeed(), 1800.5);
    LinuxProcessorFigures captured(kData + "/proc-x86_64-2cpu", kData + "/none");
    EXPECT_NEAR(captured.NominalSpeed(), 2096.037, 1e-9);
    LinuxProcessorFigures nothing(kData + "/proc-two-cpu", kData + "/none");
    EXPECT_EQ(nothing.NominalSpeed(), 0.0);
}

// The Swap row of `free -b` taken over the same meminfo: total, used, free.
struct FreeSwapRow {
    std::int64_t total = -1;
    std::int64_t used = -1;
    std::int64_t free = -1;
};

FreeSwapRow ReadFreeSwapRow(const std::string& path) {
    std::ifstream in(path);
    std::string word;
    FreeSwapRow row;
    while (in >> word) {
        if (word == "Swap:") {
            in >> row.total >> row.used >> row.free;
        }
    }
    return row;
}

TEST(LinuxMemoryFigures, SwapAndCommitAgreeWithFreeOverTheSameFile) {
    struct Case {
        const char* folder;
        std::int64_t memTotalKb;
        std::int64_t swapTotalKb;
        std::int64_t committedKb;
        int swapPercent;
        int virtualPercent;
    };
    // This machine as captured (no swap), and a desktop with 2 GB of swap, a quarter used.
    const Case cases[] = {
        {"proc-noswap-live", 24683716, 0, 935896, 0, 4},
        {"proc-swap-8g", 8029152, 2097148, 6815744, 25, 67},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string folder = kData + "/" + c.folder;
        const FreeSwapRow free = ReadFreeSwapRow(folder + "/free-b");
        ASSERT_GE(free.total, 0);
        LinuxMemoryFigures figures(folder);
        CpuFigures cpu;
        Measures measures(figures, cpu, ".");
        const MemoryStatus& status = measures.Status();
        EXPECT_EQ(status.totalPhys, c.memTotalKb * kKB);
        EXPECT_EQ(status.totalPageFile, free.total);
        EXPECT_EQ(status.totalPageFile - status.availPageFile, free.used);
        EXPECT_EQ(status.availPageFile, free.free);
        EXPECT_EQ(status.totalVirtual, (c.memTotalKb + c.swapTotalKb) * kKB);
        EXPECT_EQ(status.totalVirtual - status.availVirtual, c.committedKb * kKB);
        EXPECT_EQ(measures.UsagePercent(kSwapFile), c.swapPercent);
        EXPECT_EQ(measures.UsagePercent(kVirtualMemory), c.virtualPercent);
    }
}

TEST(LinuxMemoryFigures, NoSwapReadsZeroOfZeroInEveryMeasure) {
    LinuxMemoryFigures figures(kData + "/proc-noswap-live");
    CpuFigures cpu;
    Measures measures(figures, cpu, ".");
    std::string text;
    for (const auto& [n, shown] : {std::pair{9, "0 %"}, {11, "0 B"}, {12, "-0 B"}}) {
        EXPECT_EQ(measures.GetMeasure(n, text), 0) << n;
        EXPECT_EQ(text, shown) << n;
    }
    const std::string& hint = measures.InfoHintText();
    EXPECT_NE(hint.find("\r\nSwap: 0 B (0 %) of 0 B\r\n"), std::string::npos) << hint;
    // RAM alone is the commit limit: 913.96 MB of 24105.19 MB.
    EXPECT_NE(hint.find("\r\nVirtual: 914 MB (4 %) of 24105 MB"), std::string::npos) << hint;
}

TEST(LinuxMemoryFigures, PhysicalFiguresAndOvercommitClampedToTheLimit) {
    LinuxMemoryFigures figures(kData + "/proc-two-cpu");
    MemoryStatus status;
    figures.ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 512 * 1024 * kKB);
    EXPECT_EQ(status.availPhys, 211 * 1024 * kKB);
    EXPECT_EQ(status.totalPageFile, 1048576 * kKB);
    EXPECT_EQ(status.availPageFile, 786432 * kKB);
    // 2000000 kB committed against 512 MB of RAM and 1 GB of swap: full, never beyond.
    EXPECT_EQ(status.totalVirtual, (524288 + 1048576) * kKB);
    EXPECT_EQ(status.availVirtual, 0);

    // Before MemAvailable existed: free plus buffers plus page cache.
    LinuxMemoryFigures old(kData + "/proc-old-kernel");
    old.ReadMemoryStatus(status);
    EXPECT_EQ(status.availPhys, (262144 + 65536 + 196608) * kKB);
    EXPECT_EQ(status.totalPageFile, 0);

    // More than 4 GB reads whole.
    LinuxMemoryFigures captured(kData + "/proc-x86_64-2cpu");
    captured.ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 24683748 * kKB);
    EXPECT_EQ(status.availPhys, 24245232 * kKB);
}

TEST(LinuxMemoryFigures, CutFilesKeepWhatCannotBeRead) {
    MemoryStatus status;
    status.totalPageFile = 333;
    status.totalVirtual = 111;
    status.availVirtual = 222;
    LinuxMemoryFigures truncated(kData + "/proc-truncated");
    truncated.ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 24683748 * kKB);
    EXPECT_LE(status.availPhys, status.totalPhys);
    // Swap and commit lie beyond the cut: a cut file is not a machine without swap.
    EXPECT_EQ(status.totalPageFile, 333);
    EXPECT_EQ(status.totalVirtual, 111);
    EXPECT_EQ(status.availVirtual, 222);

    MemoryStatus untouched;
    untouched.totalPhys = 7;
    LinuxMemoryFigures missing(kData + "/no-such-folder");
    missing.ReadMemoryStatus(untouched);
    EXPECT_EQ(untouched.totalPhys, 7);
    EXPECT_EQ(untouched.totalVirtual, 0);
}

TEST(LinuxProcessPriority, LevelsAndNiceValues) {
    for (const auto& [level, nice] : {std::pair{-1, 19}, {0, 0}, {1, -10}, {2, -20}}) {
        EXPECT_EQ(NiceForLevel(level), nice);
        EXPECT_EQ(LevelForNice(nice), level);
    }
    // Between the levels (below or above normal) reads as normal.
    for (int nice : {5, -5, 10}) {
        EXPECT_EQ(LevelForNice(nice), 0) << nice;
    }
}

TEST(LinuxProcessPriority, LoweringIsAllowedAndReadBackHonestly) {
    // Nice belongs to a thread on Linux: a thread of its own keeps the test process as it is.
    int idleLevel = 99;
    int afterRaise = 99;
    int nice = 99;
    std::thread([&] {
        LinuxProcessPriority priority;
        priority.SetLevel(-1);
        idleLevel = priority.Level();
        priority.SetLevel(0);  // refused without the privilege to raise
        afterRaise = priority.Level();
        nice = getpriority(PRIO_PROCESS, 0);
    }).join();
    EXPECT_EQ(idleLevel, -1);
    EXPECT_EQ(afterRaise, LevelForNice(nice));
}

// The test runs the call in a thread of its own while another one already waits beside it.
TEST(LinuxProcessPriority, ALevelReachesThreadsThatAlreadyRun) {
    std::atomic<pid_t> waiter{0};
    std::atomic<bool> done{false};
    std::thread waiting([&] {
        waiter = static_cast<pid_t>(syscall(SYS_gettid));
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    while (waiter == 0) {
        std::this_thread::yield();
    }
    std::thread([] { LinuxProcessPriority().SetLevel(-1); }).join();
    EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(waiter.load())), 19);
    done = true;
    waiting.join();
}

// The figures of this machine: sane, whatever it is doing.
TEST(LiveFigures, LoadAndMemoryOfThisMachine) {
    LinuxProcessorFigures processor;
    LinuxProcessPriority priority;
    UseCpu sampler(processor, priority, kPlatformNt);
    ASSERT_TRUE(sampler.InitCPUUsage());
    for (int i = 0; i < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        sampler.Takt();
        EXPECT_GE(sampler.Figures().CPUUsage, 0);
        EXPECT_LE(sampler.Figures().CPUUsage, 100);
    }

    LinuxMemoryFigures memory;
    Measures measures(memory, sampler.Figures(), ".");
    EXPECT_GT(measures.TotalPhysAtStart(), 0);
    const MemoryStatus& status = measures.Status();
    EXPECT_GT(status.totalPhys, 0);
    EXPECT_GE(status.availPhys, 0);
    EXPECT_LE(status.availPhys, status.totalPhys);
    EXPECT_LE(status.availPageFile, status.totalPageFile);
    EXPECT_GE(status.totalVirtual, status.totalPhys + status.totalPageFile);
    EXPECT_LE(status.availVirtual, status.totalVirtual);
    for (int resource = kProcessor; resource <= kVirtualMemory; ++resource) {
        const int percent = measures.UsagePercent(resource);
        EXPECT_GE(percent, 0) << resource;
        EXPECT_LE(percent, 100) << resource;
    }

    // The same figures as meminfo read on its own, give or take what changed in between.
    std::ifstream in("/proc/meminfo");
    std::map<std::string, std::int64_t> kb;
    std::string key;
    std::int64_t value = 0;
    while (in >> key >> value) {
        kb[key] = value;
        in.ignore(16, '\n');
    }
    measures.RefreshMemoryStatus();
    constexpr std::int64_t kSlack = 64 << 20;
    EXPECT_EQ(status.totalPageFile, kb["SwapTotal:"] * kKB);
    EXPECT_NEAR(static_cast<double>(status.availPageFile), kb["SwapFree:"] * kKB, kSlack);
    EXPECT_EQ(status.totalVirtual, (kb["MemTotal:"] + kb["SwapTotal:"]) * kKB);
    EXPECT_NEAR(static_cast<double>(status.totalVirtual - status.availVirtual),
                kb["Committed_AS:"] * kKB, kSlack);
}

#if defined(__x86_64__) || defined(__i386__)
TEST(LiveFigures, ProcessorSpeedOfThisMachine) {
    LinuxProcessorFigures processor;
    LinuxProcessPriority priority;
    UseCpu sampler(processor, priority, kPlatformNt);
    const int niceBefore = getpriority(PRIO_PROCESS, 0);
    sampler.TakeCPUSpeed();
    EXPECT_GT(sampler.Figures().CPUSpeed, 100);
    EXPECT_LT(sampler.Figures().CPUSpeed, 8590);
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), niceBefore);  // put back after the timing
}
#endif

}  // namespace
}  // namespace tarnwick::platform
