// One tick of each of the monitor's timers as the window runs it, on this machine's /proc: the
// processor sample (on the plain beat, and ahead of and at a reading), an indicator (measure, then
// paint unless the picture stays the same), the diagram (measure, sample, paint) and the tray icon.
// "allocs/iter" counts every heap allocation of a tick, Qt's included (see allocation_count.h).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/allocation_count.h"
#include "bench/built_in_look.h"
#include "common/paint/history.h"
#include "common/paint/indicators.h"
#include "common/paint/last_paint.h"
#include "common/paint/text.h"
#include "monitor/measures.h"
#include "monitor/tray/tray_pictures.h"
#include "monitor/tray/tray_value.h"
#include "monitor/usecpu.h"
#include "platform/figures.h"

namespace {

using tarnwick::bench::AllocationCount;
using tarnwick::bench::BuiltInLook;

// The processor figures a tick reads, steady or moving by one percent a tick.
struct Reading {
    std::unique_ptr<tarnwick::platform::MemoryFigures> memory =
        tarnwick::platform::MakeSystemMemoryFigures();
    tarnwick::CpuFigures cpu{37, 2096};
    tarnwick::Measures measures{*memory, cpu, "."};
    void Next(bool moving) {
        if (moving) {
            cpu.CPUUsage = (cpu.CPUUsage + 1) % 101;
        }
    }
};

// The processor sampler on this machine's /proc, as the window makes it.
struct SystemSampler {
    std::unique_ptr<tarnwick::platform::ProcessorFigures> processor =
        tarnwick::platform::MakeSystemProcessorFigures();
    std::unique_ptr<tarnwick::platform::ProcessPriority> priority =
        tarnwick::platform::MakeSystemProcessPriority();
    tarnwick::UseCpu cpu{*processor, *priority, tarnwick::kPlatformNt};
    SystemSampler() { cpu.InitCPUUsage(); }
};

void BM_TaktTick(benchmark::State& state) {
    SystemSampler sampler;
    AllocationCount count(state);
    for (auto _ : state) {
        sampler.cpu.Takt();
    }
}
BENCHMARK(BM_TaktTick);

// The sampling clock's beat 100 ms ahead of a reading, and the reading itself.
void BM_SampleAndReadTick(benchmark::State& state) {
    SystemSampler sampler;
    AllocationCount count(state);
    for (auto _ : state) {
        sampler.cpu.Sample();
        sampler.cpu.ReadLoad();
    }
}
BENCHMARK(BM_SampleAndReadTick);

// A window that has run a while has laid out the text of every share it showed: a text seen for
// the first time costs its shaping once (some 37 allocations), as long as the skin stays.
template <typename Tick>
void LayOutEveryShare(const Tick& tick) {
    for (int share = 0; share <= 100; ++share) {
        tick();
    }
}

// Timer1 or Timer2: measure 1 (the processor load), painted only when the picture changes.
void BM_IndicatorTick(benchmark::State& state, bool moving) {
    Reading reading;
    const tarnwick::IndicatorLook look = BuiltInLook(18);
    QImage canvas = tarnwick::bench::WindowImage();
    tarnwick::TextFont font;
    tarnwick::GaugeMemo memo;
    std::string text;
    text.reserve(64);
    QString shown;              // as the window keeps it
    QPainter painter(&canvas);  // kept begun, as the window keeps it
    const auto tick = [&] {
        reading.Next(moving);
        const int value = reading.measures.GetMeasure(1, text);
        if (!memo.Unchanged(value, text, true)) {
            tarnwick::AssignUtf8(shown, text);
            tarnwick::RepaintGauge(painter, look, value, shown, true, font);
        }
    };
    LayOutEveryShare(tick);
    AllocationCount count(state);
    for (auto _ : state) {
        tick();
    }
}
BENCHMARK_CAPTURE(BM_IndicatorTick, steady, false);
BENCHMARK_CAPTURE(BM_IndicatorTick, moving, true);

// Timer3 in diagram mode: measure, append, paint when the columns or the text changed.
void BM_DiagramTick(benchmark::State& state, bool moving) {
    Reading reading;
    const tarnwick::IndicatorLook look = BuiltInLook(37);
    QImage canvas = tarnwick::bench::WindowImage();
    tarnwick::TextFont font;
    tarnwick::DiagramMemo memo;
    tarnwick::DiagramHistory history;
    history.ResetHistory(tarnwick::HistoryLength(look));
    std::string text;
    text.reserve(64);
    QString shown;              // as the window keeps it
    QPainter painter(&canvas);  // kept begun, as the window keeps it
    const auto tick = [&] {
        reading.Next(moving);
        const int value = reading.measures.GetMeasure(1, text);
        history.PushSample(value);
        const auto& columns = history.LiveHistory();
        const int n = static_cast<int>(columns.size());
        if (!memo.Unchanged(columns.data(), n, text, true)) {
            tarnwick::AssignUtf8(shown, text);
            tarnwick::RepaintDiagram(painter, look, columns.data(), n, shown, true, font);
        }
    };
    LayOutEveryShare(tick);
    AllocationCount count(state);
    for (auto _ : state) {
        tick();
    }
}
BENCHMARK_CAPTURE(BM_DiagramTick, steady, false);
BENCHMARK_CAPTURE(BM_DiagramTick, moving, true);

// IconsTimer: the value and its picture handed to the icon, which passes a picture on only
// when it is another one.
class LatestPicture : public tarnwick::TrayIcon {
public:
    void TrayIconAdd(const QIcon& picture, const QString& tip) override {
        TrayIconModify(picture, tip);
    }
    void TrayIconModify(const QIcon& picture, const QString&) override {
        benchmark::DoNotOptimize(picture.cacheKey());
    }
    void TrayIconDelete() override {}
};

void BM_TrayTick(benchmark::State& state, tarnwick::TrayMeasure trayMeasure) {
    Reading reading;
    const tarnwick::TrayPictures pictures =
        tarnwick::BuildTrayPictures(tarnwick::BuiltInTrayStrip());
    LatestPicture icon;
    AllocationCount count(state);
    for (auto _ : state) {
        reading.Next(true);
        tarnwick::ShowTrayValue(icon, pictures, tarnwick::TrayValue(trayMeasure, reading.measures),
                                tarnwick::TrayTip(trayMeasure));
    }
}
BENCHMARK_CAPTURE(BM_TrayTick, processor, tarnwick::TrayMeasure::Processor);
BENCHMARK_CAPTURE(BM_TrayTick, memory, tarnwick::TrayMeasure::OperativeMemory);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // text needs the font database, not a display
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
