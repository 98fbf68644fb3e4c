// Cost of one tick of the events check with 100 active events on this machine's real memory
// figures, how often the memory status is read per tick and how many heap allocations a tick
// makes, also when every event names its culprit but no condition holds (the process table is
// then never read); the same with events on the kernel's pressure figures; and the cost of
// loading a damaged events file whose every event claims 2147483647 message lines.
#include "bench/allocation_count.h"
#include "common/profile_file.h"
#include "monitor/events/events_controller.h"
#include "platform/linux/figures_linux.h"
#include "platform/linux/pressure_linux.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The real figures, counted.
class CountingMemory : public tarnwick::platform::MemoryFigures {
public:
    long long reads = 0;
    void ReadMemoryStatus(tarnwick::platform::MemoryStatus& status) override {
        ++reads;
        real_.ReadMemoryStatus(status);
    }

private:
    tarnwick::platform::LinuxMemoryFigures real_;
};

// 100 active events, 25 on each resource, half in percent and half absolute. Each counts on
// every tick and fires only after 50 ticks, with no action, so the tick is all counting.
std::string HundredEvents() {
    std::string text = "[main]\ncount=100\n";
    for (int n = 1; n <= 100; ++n) {
        text += "[event" + std::to_string(n) + "]\nevent=" + std::to_string(n % 4) +
                "\nbiglit=" + std::to_string(n % 3 == 0 ? 1 : 0) +
                "\nvalue=" + std::to_string(n % 3 == 0 ? 1000000 : 0) +
                "\nmeasure=" + std::to_string(n % 2) + "\nsec=50\naction=0\nexecute=2\nactive=1\n";
    }
    return text;
}

// 100 active message events, 25 on each resource, that name their culprit and never hold:
// more than 2000000000 %, MHz or MB.
std::string HundredCulpritEvents() {
    std::string text = "[main]\ncount=100\n";
    for (int n = 1; n <= 100; ++n) {
        const std::string number = std::to_string(n);
        text += "[event" + number + "]\nevent=" + std::to_string(n % 4) +
                "\nvalue=2000000000\nmeasure=" + std::to_string(n % 2) +
                "\nsec=5\naction=1\nexecute=2\nactive=1\n[action" + number +
                "]\nautotext=1\nculprit=1\n";
    }
    return text;
}

void CheckEvents(benchmark::State& state, const std::string& events) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/events.cfg";
    tarnwick::UpdateProfile(path, [&events](tarnwick::ProfileText& file) {
        file = tarnwick::ProfileText::Parse(events);
    });
    CountingMemory memory;
    tarnwick::CpuFigures cpu{55, 2400};
    tarnwick::Measures measures(memory, cpu, ".");
    tarnwick::EventActions actions(tarnwick::ActionServices{});
    tarnwick::EventsController engine(nullptr, measures, cpu, actions, nullptr, path);
    engine.miRefEventsClick();
    if (engine.Table().size() != 100) {
        state.SkipWithError("events not loaded");
        return;
    }
    const long long before = memory.reads;
    {
        tarnwick::bench::AllocationCount count(state);
        for (auto _ : state) {
            engine.CheckEvents();
        }
    }
    state.counters["refreshes/tick"] = benchmark::Counter(
        static_cast<double>(memory.reads - before) / static_cast<double>(state.iterations()));
}

void BM_CheckEvents100(benchmark::State& state) {
    CheckEvents(state, HundredEvents());
}
BENCHMARK(BM_CheckEvents100)->Unit(benchmark::kMicrosecond);

void BM_CheckEvents100NamingCulpritsNotHolding(benchmark::State& state) {
    CheckEvents(state, HundredCulpritEvents());
}
BENCHMARK(BM_CheckEvents100NamingCulpritsNotHolding)->Unit(benchmark::kMicrosecond);

// The real pressure figures, counted.
class CountingPressure : public tarnwick::platform::PressureFigures {
public:
    long long reads = 0;
    long long told = 0;
    bool ReadSomeShare(tarnwick::platform::StallResource resource,
                       std::int32_t& hundredths) override {
        ++reads;
        const bool read = real_.ReadSomeShare(resource, hundredths);
        told += read ? 1 : 0;
        return read;
    }

private:
    tarnwick::platform::LinuxPressureFigures real_;
};

// 30 active events on the three pressures, counting on every tick, with nothing else to watch:
// each pressure file is read once per tick, and nothing is allocated.
void BM_CheckPressureEvents30(benchmark::State& state) {
    std::string text = "[main]\ncount=30\n";
    for (int n = 1; n <= 30; ++n) {
        text += "[event" + std::to_string(n) + "]\nevent=" + std::to_string(4 + n % 3) +
                "\nvalue=-1\nsec=50\naction=0\nexecute=2\nactive=1\n";
    }
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/events.cfg";
    tarnwick::UpdateProfile(
        path, [&text](tarnwick::ProfileText& file) { file = tarnwick::ProfileText::Parse(text); });
    CountingMemory memory;
    tarnwick::CpuFigures cpu{55, 2400};
    tarnwick::Measures measures(memory, cpu, ".");
    tarnwick::EventActions actions(tarnwick::ActionServices{});
    tarnwick::EventsController engine(nullptr, measures, cpu, actions, nullptr, path);
    CountingPressure pressure;
    engine.SetPressureFigures(pressure);
    engine.miRefEventsClick();
    engine.CheckEvents();  // opens the files once
    if (pressure.told == 0) {
        state.SkipWithError("no /proc/pressure on this machine");
        return;
    }
    const long long before = pressure.reads;
    {
        tarnwick::bench::AllocationCount count(state);
        for (auto _ : state) {
            engine.CheckEvents();
        }
    }
    state.counters["reads/tick"] = benchmark::Counter(static_cast<double>(pressure.reads - before) /
                                                      static_cast<double>(state.iterations()));
}
BENCHMARK(BM_CheckPressureEvents30)->Unit(benchmark::kMicrosecond);

// n message events that each claim the largest line count: the lines of all events together
// are bounded by the file's own lines, so this loads in time and memory linear in the file.
void BM_LoadEventsClaimingHugeLineCounts(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    std::string text = "[main]\ncount=" + std::to_string(n) + "\n";
    for (int i = 1; i <= n; ++i) {
        const std::string number = std::to_string(i);
        text += "[event" + number + "]\nname=E" + number + "\naction=1\nactive=0\n[action" +
                number + "]\nlinescount=2147483647\n";
    }
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/events.cfg";
    tarnwick::UpdateProfile(
        path, [&text](tarnwick::ProfileText& file) { file = tarnwick::ProfileText::Parse(text); });
    CountingMemory memory;
    tarnwick::CpuFigures cpu{55, 2400};
    tarnwick::Measures measures(memory, cpu, ".");
    tarnwick::EventActions actions(tarnwick::ActionServices{});
    tarnwick::EventsController engine(nullptr, measures, cpu, actions, nullptr, path);
    for (auto _ : state) {
        engine.miRefEventsClick();
    }
    if (engine.Table().size() != static_cast<std::size_t>(n)) {
        state.SkipWithError("events not loaded");
    }
}
BENCHMARK(BM_LoadEventsClaimingHugeLineCounts)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
