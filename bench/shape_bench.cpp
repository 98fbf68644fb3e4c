// What a see-through colour adds to a gauge's tick: re-reading the gauge's rectangle into the
// window's shape after its paint. "allocs/iter" counts every heap allocation, Qt's included.
// "opaque" is a gauge on its own ground (the shape never changes), "floating" one whose ground
// is the see-through colour (every new reading changes the shape and makes a new region).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "bench/allocation_count.h"
#include "common/paint/indicators.h"
#include "common/paint/see_through.h"
#include "common/paint/text.h"

namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

void BM_ShapeAfterPaint(benchmark::State& state, bool floating) {
    tarnwick::IndicatorLook look;  // Tidepool's left gauge
    look.X1 = 2;
    look.Y1 = 2;
    look.X2 = 45;
    look.Y2 = 77;
    look.Horizontal = false;
    look.GroundColor = floating ? QColor(kMagenta) : QColor(20, 40, 60);
    look.ProgressColor = QColor(40, 186, 200);
    QImage canvas(96, 80, QImage::Format_RGB32);
    canvas.fill(kMagenta);
    tarnwick::SeeThroughShape shape;
    shape.Reset(canvas, true, kMagenta);
    const QRect area(QPoint(look.X1, look.Y1), QPoint(look.X2, look.Y2));
    int value = 0;
    tarnwick::bench::AllocationCount count(state);
    for (auto _ : state) {
        value = (value + 1) % 101;
        {
            QPainter painter(&canvas);
            tarnwick::PaintGauge(painter, look, value, QString(), false);
        }
        if (shape.Update(canvas, area)) {
            benchmark::DoNotOptimize(shape.Region().rectCount());
        }
    }
}
BENCHMARK_CAPTURE(BM_ShapeAfterPaint, opaque, false);
BENCHMARK_CAPTURE(BM_ShapeAfterPaint, floating, true);

// The re-reading alone, for the rectangle of a gauge.
void BM_ShapeUpdateOnly(benchmark::State& state) {
    QImage canvas(96, 80, QImage::Format_RGB32);
    canvas.fill(kMagenta);
    tarnwick::SeeThroughShape shape;
    shape.Reset(canvas, true, kMagenta);
    tarnwick::bench::AllocationCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(shape.Update(canvas, QRect(2, 2, 44, 76)));
    }
}
BENCHMARK(BM_ShapeUpdateOnly);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
