#include "platform/linux/figures_linux.h"

#include "monitor/measures.h"
#include "monitor/usecpu.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>

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

TEST(LinuxMemoryFigures, StatusFromCapturedFiles) {
    LinuxMemoryFigures figures(kData + "/proc-two-cpu");
    MemoryStatus status;
    figures.ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 512 * 1024 * kKB);
    EXPECT_EQ(status.availPhys, 211 * 1024 * kKB);
    EXPECT_EQ(status.totalPageFile, (524288 + 1048576) * kKB);
    EXPECT_EQ(status.availPageFile, (216064 + 786432) * kKB);
    EXPECT_EQ(status.totalVirtual, figures.AddressSpace());
    EXPECT_EQ(status.availVirtual, figures.AddressSpace() - 262144 * kKB);

    // Before MemAvailable existed: free plus buffers plus page cache.
    LinuxMemoryFigures old(kData + "/proc-old-kernel");
    old.ReadMemoryStatus(status);
    EXPECT_EQ(status.availPhys, (262144 + 65536 + 196608) * kKB);
    EXPECT_EQ(status.totalPageFile, status.totalPhys);

    // More than 4 GB reads whole.
    LinuxMemoryFigures captured(kData + "/proc-x86_64-2cpu");
    captured.ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 24683748 * kKB);
    EXPECT_EQ(status.availPhys, 24245232 * kKB);
}

TEST(LinuxMemoryFigures, CutFilesKeepWhatCannotBeRead) {
    MemoryStatus status;
    status.totalVirtual = 111;
    status.availVirtual = 222;
    LinuxMemoryFigures truncated(kData + "/proc-truncated");
    truncated.ReadMemoryStatus(status);
    EXPECT_EQ(status.totalPhys, 24683748 * kKB);
    EXPECT_LE(status.availPhys, status.totalPhys);
    EXPECT_EQ(status.totalVirtual, 111);  // VmSize lies beyond the cut
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
    EXPECT_GE(status.totalPageFile, status.totalPhys);
    EXPECT_LE(status.availPageFile, status.totalPageFile);
    EXPECT_GT(status.totalVirtual, 0);
    EXPECT_GT(status.availVirtual, 0);
    EXPECT_LT(status.availVirtual, status.totalVirtual);
    for (int resource = kProcessor; resource <= kVirtualMemory; ++resource) {
        const int percent = measures.UsagePercent(resource);
        EXPECT_GE(percent, 0) << resource;
        EXPECT_LE(percent, 100) << resource;
    }

    // Each refresh reads afresh: reserving 256 MB of address space shows at once.
    const std::int64_t availBefore = measures.Status().availVirtual;
    constexpr std::size_t kReserve = std::size_t{256} << 20;
    void* block =
        mmap(nullptr, kReserve, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(block, MAP_FAILED);
    measures.RefreshMemoryStatus();
    const std::int64_t availAfter = measures.Status().availVirtual;
    munmap(block, kReserve);
    EXPECT_LE(availAfter, availBefore - static_cast<std::int64_t>(kReserve) + (16 << 20));
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
