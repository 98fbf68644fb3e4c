#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include <array>
#include <string>

#include "common/paint/history.h"
#include "common/paint/last_paint.h"
#include "common/paint/see_through.h"
#include "common/paint/text.h"
#include "common/settings.h"
#include "common/skin/look.h"

class QWidget;

namespace tarnwick {

class Measures;

// The window's size before a skin sets one.
inline constexpr int kBuiltInWidth = 140;
inline constexpr int kBuiltInHeight = 71;

// What the window shows: the skin's look, the canvas the two gauges or the diagram are
// painted into (the window's paintEvent only copies it), the diagram's history and which
// indicators are suspended. It reads the mode and the indicators' measures and text option
// from the window's settings record and asks the window to repaint what changed.
class MonitorDisplay {
public:
    MonitorDisplay(QWidget& window, const Settings& options);

    // Set once the sampler exists, before the first paint.
    void SetMeasures(Measures* measures) { measures_ = measures; }

    // Takes a new look: the canvas gets its size and background, the history its length.
    // With a see-through colour the window's shape follows the painted canvas from the next
    // paint on: every pixel not of that colour stays (see SeeThroughShape).
    void ApplyLook(const SkinLook& look);
    const SkinLook& Look() const { return look_; }
    const QImage& Canvas() const { return canvas_; }
    const DiagramHistory& History() const { return history_; }

    // Painting into the canvas: a gauge (0 or 1), the diagram, both by their mode. A timer's
    // tick (byTimer) paints only a picture that differs from the one on the canvas; every
    // other paint draws in full.
    void PaintOpt(int indicator, bool byTimer = false);
    void PaintOpt3();      // a repaint of the diagram, which takes a sample too
    void PaintOpt3Time();  // the diagram's timer: a suspended diagram stays as it stands
    void FormPaint();
    void ClearCanvas();
    // The diagram starts with an empty history, as when its measure changes resource.
    void ResetHistory();

    // Suspension ("S&uspend", not stored): a suspended gauge keeps the reading of the moment
    // it was suspended, the diagram shows a copy of its history from then.
    bool Suspended(int indicator) const { return indicators_[indicator].suspended; }
    bool ToggleSuspension(int indicator);  // the new state
    void ResumeAll();

private:
    struct Indicator {
        bool suspended = false;
        int frozenValue = 0;
        QString frozenText;
    };

    void Measure(int indicator, int& value, QString& text);
    // After a paint into area: a new window shape when the paint changed it.
    void Painted(const QRect& area);
    void ApplyShape();
    void SampleDiagram(bool byTimer);
    QPainter& Painter();  // begun on the canvas

    QWidget& window_;
    const Settings& options_;
    Measures* measures_ = nullptr;
    SkinLook look_;
    QImage canvas_;
    DiagramHistory history_;
    std::array<Indicator, 3> indicators_;
    std::string measureText_;  // reused by every measure, so ticks do not allocate it anew
    std::string diagramText_;  // the diagram's text of its last sample
    // Begun on the canvas once and kept so until the canvas is replaced: beginning a painter
    // makes its state anew, on the heap.
    QPainter painter_;
    QString paintText_;  // the text being painted, its room reused by every paint
    // What each indicator shows now, and the skin fonts, made once per skin load.
    std::array<GaugeMemo, 2> gaugeMemos_;
    DiagramMemo diagramMemo_;
    std::array<TextFont, 3> fonts_;
    SeeThroughShape shape_;
    bool shapeStale_ = false;  // a cleared canvas: the shape goes to the window with the next paint
};

}  // namespace tarnwick
