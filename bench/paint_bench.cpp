// Cost of one paint of the built-in look's gauge and diagram on a window-sized image, and of
// one diagram sample, with the heap allocations of each ("allocs/iter", Qt's included). The
// "kept" cases write with the font a window keeps per skin load, the others make it per paint;
// "window" cases also paint as the window does, with its painter kept begun and no saved state.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <vector>

#include "bench/allocation_count.h"
#include "bench/built_in_look.h"
#include "common/paint/history.h"
#include "common/paint/indicators.h"
#include "common/paint/text.h"

namespace {

using tarnwick::IndicatorLook;
using tarnwick::bench::BuiltInLook;
using tarnwick::bench::WindowImage;

IndicatorLook PictureLook(int y2) {
    IndicatorLook look = BuiltInLook(y2);
    look.Graphic = true;
    look.GroundPicture = QImage(48, y2, QImage::Format_RGB32);
    look.GroundPicture.fill(QColor(40, 40, 40));
    look.ProgressPicture = QImage(48, y2, QImage::Format_RGB32);
    look.ProgressPicture.fill(QColor(0, 200, 0));
    return look;
}

std::vector<std::uint8_t> Samples() {
    std::vector<std::uint8_t> history(48);
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i] = static_cast<std::uint8_t>((i * 37) % 101);
    }
    return history;
}

enum class Font { kPerPaint, kKept, kWindow };

void BM_Gauge(benchmark::State& state, bool graphic, bool text, Font kind) {
    const IndicatorLook look = graphic ? PictureLook(18) : BuiltInLook(18);
    QImage image = WindowImage();
    QPainter painter(&image);
    tarnwick::TextFont font;
    const QString shown = QStringLiteral("42%");
    int value = 0;
    tarnwick::bench::AllocationCount count(state);
    for (auto _ : state) {
        if (kind == Font::kWindow) {
            tarnwick::RepaintGauge(painter, look, value, shown, text, font);
        } else {
            tarnwick::PaintGauge(painter, look, value, shown, text,
                                 kind == Font::kKept ? &font : nullptr);
        }
        value = (value + 7) % 101;
    }
}

void BM_Diagram(benchmark::State& state, bool graphic, bool text, Font kind) {
    const IndicatorLook look = graphic ? PictureLook(37) : BuiltInLook(37);
    const std::vector<std::uint8_t> history = Samples();
    QImage image = WindowImage();
    QPainter painter(&image);
    tarnwick::TextFont font;
    const QString shown = QStringLiteral("42%");
    tarnwick::bench::AllocationCount count(state);
    for (auto _ : state) {
        if (kind == Font::kWindow) {
            tarnwick::RepaintDiagram(painter, look, history.data(), 48, shown, text, font);
        } else {
            tarnwick::PaintDiagram(painter, look, history.data(), 48, shown, text,
                                   kind == Font::kKept ? &font : nullptr);
        }
    }
}

void BM_PushSample(benchmark::State& state) {
    tarnwick::DiagramHistory history;
    history.ResizeHistories(48);
    int value = 0;
    tarnwick::bench::AllocationCount count(state);
    for (auto _ : state) {
        history.PushSample(value);
        value = (value + 7) % 101;
        benchmark::DoNotOptimize(history.LiveHistory().data());
    }
}

BENCHMARK_CAPTURE(BM_Gauge, colour, false, false, Font::kPerPaint);
BENCHMARK_CAPTURE(BM_Gauge, colour_text, false, true, Font::kPerPaint);
BENCHMARK_CAPTURE(BM_Gauge, colour_text_kept, false, true, Font::kKept);
BENCHMARK_CAPTURE(BM_Gauge, colour_text_window, false, true, Font::kWindow);
BENCHMARK_CAPTURE(BM_Gauge, picture_text, true, true, Font::kPerPaint);
BENCHMARK_CAPTURE(BM_Gauge, picture_text_kept, true, true, Font::kKept);
BENCHMARK_CAPTURE(BM_Gauge, picture_text_window, true, true, Font::kWindow);
BENCHMARK_CAPTURE(BM_Diagram, colour, false, false, Font::kPerPaint);
BENCHMARK_CAPTURE(BM_Diagram, colour_text, false, true, Font::kPerPaint);
BENCHMARK_CAPTURE(BM_Diagram, colour_text_kept, false, true, Font::kKept);
BENCHMARK_CAPTURE(BM_Diagram, colour_text_window, false, true, Font::kWindow);
BENCHMARK_CAPTURE(BM_Diagram, picture_text, true, true, Font::kPerPaint);
BENCHMARK_CAPTURE(BM_Diagram, picture_text_kept, true, true, Font::kKept);
BENCHMARK_CAPTURE(BM_Diagram, picture_text_window, true, true, Font::kWindow);
BENCHMARK(BM_PushSample);

}  // namespace

int main(int argc, char** argv) {
    // Text needs the font database; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
