// One reading of the culprit watch: the process table with every figure, then the culprit of
// each of the four measures (names read from comm), as the watch's thread does once a second
// while an event that names its culprit holds. On generated /proc trees of 1000 and 30000
// processes (each a captured process of tests/data, its files hard-linked, so a tree costs
// folders only), and on this machine's /proc.
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "monitor/events/culprit.h"
#include "platform/files.h"
#include "platform/linux/processes_linux.h"

namespace {

using tarnwick::CulpritMeasure;
using tarnwick::platform::ProcessTableReading;

const std::string kCaptured = std::string(TARNWICK_TEST_DATA) + "/proc-processes";

// A /proc tree of n processes, pids 100 .. 99 + n; false when it cannot be made.
bool MakeTree(const std::string& root, int n) {
    std::string text;
    if (!tarnwick::platform::ReadWholeFile(kCaptured + "/stat", text) ||
        !tarnwick::platform::ReplaceFileAtomically(root + "/stat", text)) {
        return false;
    }
    const std::string templates = root + "/template";
    if (mkdir(templates.c_str(), 0700) != 0) {
        return false;
    }
    const char* const files[] = {"stat", "statm", "status", "comm"};
    for (const char* file : files) {
        if (!tarnwick::platform::ReadWholeFile(kCaptured + "/22747/" + file, text) ||
            !tarnwick::platform::ReplaceFileAtomically(templates + "/" + file, text)) {
            return false;
        }
    }
    for (int pid = 100; pid < 100 + n; ++pid) {
        const std::string folder = root + "/" + std::to_string(pid);
        if (mkdir(folder.c_str(), 0700) != 0) {
            return false;
        }
        for (const char* file : files) {
            const std::string from = templates + "/" + file;
            const std::string to = folder + "/" + file;
            if (link(from.c_str(), to.c_str()) != 0) {
                return false;
            }
        }
    }
    return true;
}

// Argument 1: 0 the processor alone (stat of each process), 1 all four measures (stat, statm
// and status).
void OneReadingAfterAnother(benchmark::State& state, tarnwick::platform::ProcessTable& table,
                            bool allMeasures) {
    tarnwick::CulpritMeasures measures{};
    measures.fill(allMeasures);
    measures[tarnwick::IndexOf(CulpritMeasure::ProcessorShare)] = true;
    const tarnwick::platform::ProcessFiguresWanted wanted = tarnwick::FiguresFor(measures);
    ProcessTableReading before;
    ProcessTableReading now;
    table.Read(wanted, before);
    std::size_t processes = 0;
    for (auto _ : state) {
        table.Read(wanted, now);
        for (std::size_t i = 0; i < measures.size(); ++i) {
            if (measures[i]) {
                benchmark::DoNotOptimize(
                    tarnwick::FindCulprit(static_cast<CulpritMeasure>(i), now, &before, table));
            }
        }
        processes = now.processes.size();
        std::swap(before, now);
    }
    state.counters["processes"] = static_cast<double>(processes);
}

void BM_CulpritReadingOfGeneratedTree(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string root = folder.path().toStdString();
    if (!MakeTree(root, static_cast<int>(state.range(0)))) {
        state.SkipWithError("the tree could not be made");
        return;
    }
    tarnwick::platform::LinuxProcessTable table(root, 4096);
    OneReadingAfterAnother(state, table, state.range(1) != 0);
}
BENCHMARK(BM_CulpritReadingOfGeneratedTree)
    ->ArgsProduct({{1000, 30000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_CulpritReadingOfThisMachine(benchmark::State& state) {
    tarnwick::platform::LinuxProcessTable table;
    OneReadingAfterAnother(state, table, state.range(0) != 0);
}
BENCHMARK(BM_CulpritReadingOfThisMachine)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
