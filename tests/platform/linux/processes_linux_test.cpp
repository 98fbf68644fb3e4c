// The process table read from two captures of /proc taken about a second apart on a busy
// machine: two copies of a spinning shell named "tarnwickburn", a process that renamed itself
// with control characters, bytes that are no UTF-8 and a line end, a kernel thread, a
// compiler that ended between the captures (its files read empty), a process whose files
// were cut short, and a folder that is no process. One VmSwap was set by hand, as the
// machine had no swap.
#include "platform/linux/processes_linux.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "monitor/events/culprit.h"

namespace tarnwick::platform {
namespace {

const std::string kData = TARNWICK_TEST_DATA;
constexpr std::uint64_t kPage = 4096;

ProcessFiguresWanted Everything() {
    return {true, true, true, true};
}

const ProcessFigures* Find(const ProcessTableReading& reading, std::int32_t pid) {
    for (const ProcessFigures& process : reading.processes) {
        if (process.pid == pid) {
            return &process;
        }
    }
    return nullptr;
}

std::vector<std::int32_t> Pids(const ProcessTableReading& reading) {
    std::vector<std::int32_t> pids;
    for (const ProcessFigures& process : reading.processes) {
        pids.push_back(process.pid);
    }
    return pids;
}

TEST(LinuxProcessTable, ReadsEveryFigureOfTheCapturedProcessesAndSkipsTheBrokenOnes) {
    LinuxProcessTable table(kData + "/proc-processes", kPage);
    ProcessTableReading reading;
    table.Read(Everything(), reading);
    ASSERT_TRUE(reading.readable);
    // Ascending, although the folder lists them in any order; 22347 ended, 30000 is cut short,
    // "tty" is no process.
    EXPECT_EQ(Pids(reading), (std::vector<std::int32_t>{1, 2, 22747, 22951, 22952}));
    // user + nice + system + idle + iowait + irq + softirq + steal; guest is inside user.
    EXPECT_EQ(reading.totalProcessorTime, 5308948u);

    const ProcessFigures* burn = Find(reading, 22747);
    ASSERT_NE(burn, nullptr);
    EXPECT_EQ(burn->processorTime, 513u + 1u);
    EXPECT_EQ(burn->started, 2656698u);
    EXPECT_EQ(burn->resident, 824 * kPage);
    EXPECT_EQ(Find(reading, 22951)->swapped, 5120u * 1024);
    // A name with a line end and blanks inside its parentheses does not shift the fields.
    EXPECT_EQ(Find(reading, 22952)->processorTime, 9u + 9u);
    EXPECT_EQ(Find(reading, 22952)->started, 2657803u);

    // The kernel thread has no memory of its own and no Vm lines.
    const ProcessFigures* kernel = Find(reading, 2);
    EXPECT_EQ(kernel->resident + kernel->swapped + kernel->privateWritable, 0u);

    // Private writable memory is what status calls VmData + VmStk; statm tells the same pages.
    EXPECT_EQ(Find(reading, 1)->privateWritable, (47536u + 132u) * 1024);
    EXPECT_EQ(Find(reading, 22747)->privateWritable, (304u + 132u) * 1024);
    ProcessFiguresWanted fromStatm;
    fromStatm.resident = fromStatm.privateWritable = true;
    ProcessTableReading statm;
    table.Read(fromStatm, statm);
    ASSERT_EQ(Pids(statm), Pids(reading));
    for (std::size_t i = 0; i < statm.processes.size(); ++i) {
        EXPECT_EQ(statm.processes[i].resident, reading.processes[i].resident);
        EXPECT_EQ(statm.processes[i].privateWritable, reading.processes[i].privateWritable);
    }
}

TEST(LinuxProcessTable, TakesOnlyTheWantedFigures) {
    LinuxProcessTable table(kData + "/proc-processes-before", kPage);
    ProcessTableReading reading;
    ProcessFiguresWanted resident;
    resident.resident = true;
    table.Read(resident, reading);
    ASSERT_TRUE(reading.readable);
    EXPECT_EQ(reading.totalProcessorTime, 0u);
    EXPECT_EQ(Find(reading, 22747)->processorTime, 0u);
    EXPECT_EQ(Find(reading, 22952)->resident, 3330 * kPage);
    EXPECT_EQ(Find(reading, 22952)->privateWritable, 2019 * kPage);  // read with it
    EXPECT_EQ(Find(reading, 22952)->swapped, 0u);

    // Swap reads status alone: the cut one of 30000 leaves it out all the same.
    ProcessFiguresWanted swapped;
    swapped.swapped = true;
    LinuxProcessTable after(kData + "/proc-processes", kPage);
    after.Read(swapped, reading);
    EXPECT_EQ(Pids(reading), (std::vector<std::int32_t>{1, 2, 22747, 22951, 22952}));
    EXPECT_EQ(Find(reading, 22951)->swapped, 5120u * 1024);
}

TEST(LinuxProcessTable, NamesAreTheRawBytesOfCommWithoutTheLineEnd) {
    LinuxProcessTable table(kData + "/proc-processes", kPage);
    EXPECT_EQ(table.Name(22747), "tarnwickburn");
    // The name itself ends with a line end, which stays.
    EXPECT_EQ(table.Name(22952), std::string("bad\x1b[31m\xff\xfeline\n"));
    EXPECT_EQ(table.Name(22347), std::nullopt);  // ended: nothing to read
    EXPECT_EQ(table.Name(424242), std::nullopt);
    EXPECT_EQ(table.Name(0), std::nullopt);
}

// What a message says of the two captures: the busiest over the second between them, and the
// largest of each memory.
TEST(LinuxProcessTable, TheCapturesNameTheirCulprits) {
    LinuxProcessTable beforeTable(kData + "/proc-processes-before", kPage);
    LinuxProcessTable table(kData + "/proc-processes", kPage);
    ProcessTableReading before;
    ProcessTableReading now;
    beforeTable.Read(Everything(), before);
    table.Read(Everything(), now);
    const auto line = [&](CulpritMeasure measure) {
        return CulpritLine(measure, FindCulprit(measure, now, &before, table)).toStdString();
    };
    // 61 of the 777 ticks the two processors ran.
    EXPECT_EQ(line(CulpritMeasure::ProcessorShare), "Busiest: tarnwickburn (pid 22747) 8 %");
    EXPECT_EQ(line(CulpritMeasure::Resident),
              "Largest: bad\\x1b[31m\\xff\\xfeline\\x0a (pid 22952) 13 MB");
    EXPECT_EQ(line(CulpritMeasure::Swapped), "Largest: tarnwickburn (pid 22951) 5 MB");
    EXPECT_EQ(line(CulpritMeasure::PrivateWritable), "Largest: process_api (pid 1) 47 MB");
}

TEST(LinuxProcessTable, AMissingTableIsUnreadable) {
    LinuxProcessTable table(kData + "/no-such-folder", kPage);
    ProcessTableReading reading;
    reading.processes.resize(3);
    table.Read(Everything(), reading);
    EXPECT_FALSE(reading.readable);
    EXPECT_TRUE(reading.processes.empty());
}

TEST(LinuxProcessTable, FindsItsOwnProcessOnThisMachine) {
    LinuxProcessTable table;
    ProcessTableReading reading;
    table.Read(Everything(), reading);
    ASSERT_TRUE(reading.readable);
    EXPECT_GT(reading.totalProcessorTime, 0u);
    const ProcessFigures* self = Find(reading, static_cast<std::int32_t>(getpid()));
    ASSERT_NE(self, nullptr);
    EXPECT_GT(self->resident, 0u);
    EXPECT_GT(self->privateWritable, 0u);

    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    EXPECT_EQ(table.Name(static_cast<std::int32_t>(getpid())), name);
}

}  // namespace
}  // namespace tarnwick::platform
