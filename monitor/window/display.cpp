#include "monitor/window/display.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "common/paint/indicators.h"
#include "common/paint/text.h"
#include "monitor/measures.h"

namespace tarnwick {

namespace {

QRect Area(const IndicatorLook& look) {
    return QRect(QPoint(look.X1, look.Y1), QPoint(look.X2, look.Y2));
}

}  // namespace

MonitorDisplay::MonitorDisplay(QWidget& window, const Settings& options)
    : window_(window), options_(options) {
    canvas_ = QImage(kBuiltInWidth, kBuiltInHeight, QImage::Format_RGB32);
    canvas_.fill(Qt::black);
}

QPainter& MonitorDisplay::Painter() {
    if (!painter_.isActive()) {
        painter_.begin(&canvas_);
    }
    return painter_;
}

void MonitorDisplay::ApplyLook(const SkinLook& look) {
    if (painter_.isActive()) {
        painter_.end();  // the canvas it paints on is replaced
    }
    look_ = look;
    const int width = std::max(1, look_.width);
    const int height = std::max(1, look_.height);
    canvas_ = QImage(width, height, QImage::Format_RGB32);
    canvas_.setDotsPerMeterX(kDotsPerMetre96Dpi);  // skin fonts are sized for 96 DPI
    canvas_.setDotsPerMeterY(kDotsPerMetre96Dpi);
    history_.ResizeHistories(HistoryLength(look_.indicators[2]));
    ClearCanvas();
}

void MonitorDisplay::ResetHistory() {
    history_.ResetHistory(HistoryLength(look_.indicators[2]));
}

void MonitorDisplay::Measure(int indicator, int& value, QString& text) {
    value = measures_->GetMeasure(options_.indicators[indicator].Shows(), measureText_);
    text = QString::fromStdString(measureText_);
}

void MonitorDisplay::PaintOpt(int i, bool byTimer) {
    const IndicatorLook& look = look_.indicators[i];
    const bool showText = options_.indicators[i].visible;
    GaugeMemo& memo = gaugeMemos_[static_cast<std::size_t>(i)];
    int value = 0;
    const QString* text = &paintText_;
    if (indicators_[i].suspended) {
        value = indicators_[i].frozenValue;
        text = &indicators_[i].frozenText;
        memo.Forget();
    } else {
        value = measures_->GetMeasure(options_.indicators[i].Shows(), measureText_);
        if (memo.Unchanged(value, measureText_, showText) && byTimer) {
            return;  // a steady reading: nothing to paint, nothing to send to the screen
        }
        AssignUtf8(paintText_, measureText_);
    }
    RepaintGauge(Painter(), look, value, *text, showText, fonts_[static_cast<std::size_t>(i)]);
    Painted(Area(look));
    // A skin may lay the gauges over each other: the other one's picture is not what it was.
    const int other = 1 - i;
    if (Area(look).intersects(Area(look_.indicators[other]))) {
        gaugeMemos_[static_cast<std::size_t>(other)].Forget();
    }
}

void MonitorDisplay::PaintOpt3() {
    SampleDiagram(false);
}

void MonitorDisplay::PaintOpt3Time() {
    SampleDiagram(true);
}

// Every paint of the diagram takes a sample, in both modes. Its timer leaves a suspended
// diagram as it stands; other paints (a repaint, a mode switch) draw the frozen copy.
void MonitorDisplay::SampleDiagram(bool byTimer) {
    const int value = measures_->GetMeasure(options_.indicators[2].Shows(), measureText_);
    history_.PushSample(value);
    const bool frozen = indicators_[2].suspended;
    if (!frozen) {
        diagramText_ = measureText_;  // the text a suspension holds is the one last shown
    }
    if (options_.Mode() != DisplayMode::OneDiagram || (frozen && byTimer)) {
        return;
    }
    const std::vector<std::uint8_t>& history =
        frozen ? history_.FrozenHistory() : history_.LiveHistory();
    const int count = static_cast<int>(history.size());
    const bool showText = options_.indicators[2].visible;
    if (frozen) {
        diagramMemo_.Forget();
    } else if (diagramMemo_.Unchanged(history.data(), count, diagramText_, showText) && byTimer) {
        return;  // the same columns and text as on the canvas
    }
    const IndicatorLook& look = look_.indicators[2];
    if (!frozen) {
        AssignUtf8(paintText_, diagramText_);
    }
    RepaintDiagram(Painter(), look, history.data(), count,
                   frozen ? history_.FrozenText() : paintText_, showText, fonts_[2]);
    Painted(Area(look));
}

void MonitorDisplay::FormPaint() {
    if (options_.Mode() == DisplayMode::TwoIndicators) {
        PaintOpt(0);
        PaintOpt(1);
    } else {
        PaintOpt3();
    }
}

void MonitorDisplay::ClearCanvas() {
    for (GaugeMemo& memo : gaugeMemos_) {
        memo.Forget();
    }
    diagramMemo_.Forget();
    ClearWindow(Painter(), canvas_.rect(), look_.background);
    // Every clear is followed by a paint of the indicators: the window takes the shape then,
    // so it never shows the bare background's shape in between.
    shape_.Reset(canvas_, look_.seeThrough, look_.seeThroughColor.rgb());
    shapeStale_ = true;
    window_.update();
}

void MonitorDisplay::Painted(const QRect& area) {
    window_.update(area);
    if (shape_.Update(canvas_, area) || shapeStale_) {
        ApplyShape();
    }
}

void MonitorDisplay::ApplyShape() {
    shapeStale_ = false;
    if (!shape_.On()) {
        window_.clearMask();
        return;
    }
    const QRegion region = shape_.Region();
    // An empty region would take the shape away and show the whole window; a window with
    // nothing left to show keeps one pixel's region beyond its corner instead.
    window_.setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
}

bool MonitorDisplay::ToggleSuspension(int indicator) {
    Indicator& state = indicators_[indicator];
    if (state.suspended) {
        state.suspended = false;
    } else {
        state.suspended = true;
        if (indicator < 2) {
            Measure(indicator, state.frozenValue, state.frozenText);
        } else {
            history_.Freeze();
            history_.SetFrozenText(QString::fromStdString(diagramText_));
        }
    }
    return state.suspended;
}

void MonitorDisplay::ResumeAll() {
    for (Indicator& indicator : indicators_) {
        indicator.suspended = false;
    }
}

}  // namespace tarnwick
