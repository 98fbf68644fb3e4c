#include "common/paint/indicators.h"

#include <QPainter>

#include <algorithm>

#include "common/numbers.h"
#include "common/paint/text.h"

namespace tarnwick {

namespace {

// A product of a span and a percentage divided by 100 as a real number, rounded.
int Percent(int span, int value) {
    return static_cast<int>(RoundHalfEven(static_cast<long double>(span * value) / 100));
}

bool Drawable(const IndicatorLook& look) {
    const auto inside = [](int c) { return c >= -kMaxCoordinate && c <= kMaxCoordinate; };
    return look.X1 <= look.X2 && look.Y1 <= look.Y2 && inside(look.X1) && inside(look.X2) &&
           inside(look.Y1) && inside(look.Y2);
}

// Fills columns x1..x2 and rows y1..y2; nothing when the span is empty.
void Fill(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color) {
    if (x2 >= x1 && y2 >= y1) {
        painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), color);
    }
}

// Copies a part of a picture to a rectangle, scaled to it (nearest pixel) when the sizes
// differ. A part that is empty or lies off the picture copies nothing.
void Copy(QPainter& painter, const QImage& picture, const QRect& source, const QRect& target) {
    const QRect part = source & picture.rect();
    if (picture.isNull() || part != source || source.isEmpty() || target.isEmpty()) {
        return;
    }
    if (source.size() == target.size()) {
        painter.drawImage(target.topLeft(), picture, source);
    } else {
        painter.drawImage(target, picture, source);
    }
}

void ColourGauge(QPainter& painter, const IndicatorLook& l, int v) {
    if (l.Horizontal) {
        int e = l.X1 - 1;
        if (v > 0) {
            e = l.X1 + Percent(l.X2 - l.X1, v);
            Fill(painter, l.X1, l.Y1, e, l.Y2, l.ProgressColor);
        }
        Fill(painter, e + 1, l.Y1, l.X2, l.Y2, l.GroundColor);
    } else {
        int t = l.Y2 + 1;
        if (v > 0) {
            t = l.Y2 - Percent(l.Y2 - l.Y1, v);
            Fill(painter, l.X1, t, l.X2, l.Y2, l.ProgressColor);
        }
        Fill(painter, l.X1, l.Y1, l.X2, t - 1, l.GroundColor);
    }
}

void PictureGauge(QPainter& painter, const IndicatorLook& l, int v) {
    const QImage& progress = l.ProgressPicture;
    const QImage& ground = l.GroundPicture;
    const int W = l.X2 - l.X1 + 1;
    const int H = l.Y2 - l.Y1 + 1;
    if (l.Horizontal) {
        // Unlike the colour gauge, a small value can round to an empty bar here.
        const int d = Percent(W, v);
        Copy(painter, progress, QRect(0, 0, d, progress.height()), QRect(l.X1, l.Y1, d, H));
        if (d < W) {
            Copy(painter, ground, QRect(d, 0, ground.width() - d, ground.height()),
                 QRect(l.X1 + d, l.Y1, W - d, H));
        }
    } else {
        const int d = Percent(H, v);
        if (v > 0) {
            Copy(painter, progress, QRect(0, H - d, progress.width(), progress.height() - (H - d)),
                 QRect(l.X1, l.Y2 - d + 1, W, d));
        }
        if (d < H) {
            Copy(painter, ground, QRect(0, 0, ground.width(), ground.height() - d),
                 QRect(l.X1, l.Y1, W, H - d));
        }
    }
}

void WriteText(QPainter& painter, const IndicatorLook& l, const QString& text, TextFont* font) {
    if (font != nullptr) {
        font->Prepare(l.Font, *painter.device());  // nothing to do after the first paint
        DrawRotatedText(painter, *font, l.X1, l.Y1, l.X2 + 1, l.Y2 + 1, text, l.TextAngle);
        return;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setFont(MakeFont(l.Font, painter.device()->logicalDpiY()));
    painter.setPen(l.Font.color);
    DrawRotatedText(painter, l.X1, l.Y1, l.X2 + 1, l.Y2 + 1, text, l.TextAngle);
}

// Fills are exact pixel rectangles and picture copies pick the nearest pixel.
void PreparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

// What a paint on a kept painter leaves and finds: no transform and no clip. The other state
// it draws with, it sets itself.
void ResetPainter(QPainter& painter) {
    painter.setTransform(QTransform());
    if (painter.hasClipping()) {
        painter.setClipping(false);
    }
}

// A brush made per paint costs an allocation; a kept painter keeps the one it has.
void UseBrush(QPainter& painter, const QColor& color) {
    const QBrush& brush = painter.brush();
    if (brush.style() != Qt::SolidPattern || brush.color() != color ||
        !brush.transform().isIdentity()) {
        painter.setBrush(color);
    }
}

void ColourDiagram(QPainter& painter, const IndicatorLook& l, const std::uint8_t history[],
                   int columns) {
    Fill(painter, l.X1, l.Y1, l.X2, l.Y2, l.GroundColor);
    // The columns go to the painter in batches from a buffer on the stack: one call per
    // batch instead of one fill per column, and no allocation.
    painter.setPen(Qt::NoPen);
    UseBrush(painter, l.ProgressColor);
    constexpr int kBatch = 64;
    QRect batch[kBatch];
    int used = 0;
    const int D = l.Y2 - l.Y1;
    for (int i = 0; i < columns; ++i) {
        const int s = std::min<int>(history[i], 100);
        if (s == 0) {
            continue;
        }
        const int k = Percent(s, D);  // the column is k + 1 pixels long
        const int top = l.Upward ? l.Y2 - k : l.Y1;
        batch[used++] = QRect(l.X1 + i, top, 1, k + 1);
        if (used == kBatch) {
            painter.drawRects(batch, used);
            used = 0;
        }
    }
    if (used > 0) {
        painter.drawRects(batch, used);
    }
}

void PictureDiagram(QPainter& painter, const IndicatorLook& l, const std::uint8_t history[],
                    int columns) {
    const QImage& ground = l.GroundPicture;
    Copy(painter, ground, ground.rect(), QRect(QPoint(l.X1, l.Y1), QPoint(l.X2, l.Y2)));
    // Column i of the progress picture, unscaled, stands in column i; a column's pixel j
    // counts from the anchored edge. Each column is one run of the picture, so it goes over
    // as one 1:1 copy instead of pixel by pixel; pixels off the picture are skipped.
    const QImage& progress = l.ProgressPicture;
    const int P = progress.height();
    const int D = l.Y2 - l.Y1;
    columns = std::min(columns, progress.width());
    for (int i = 0; i < columns; ++i) {
        const int s = std::min<int>(history[i], 100);
        if (s == 0) {
            continue;
        }
        const int last = std::min(Percent(s, D), P - 1);  // the last j inside the picture
        const int x = l.X1 + i;
        if (l.Upward) {
            Copy(painter, progress, QRect(i, P - 1 - last, 1, last + 1),
                 QRect(x, l.Y2 - last, 1, last + 1));
        } else {
            Copy(painter, progress, QRect(i, 0, 1, last + 1), QRect(x, l.Y1, 1, last + 1));
        }
    }
}

void DrawGauge(QPainter& painter, const IndicatorLook& look, int value, const QString& text,
               bool showText, TextFont* font) {
    PreparePainter(painter);
    const int v = std::clamp(value, 0, 100);
    if (look.Graphic) {
        PictureGauge(painter, look, v);
    } else {
        ColourGauge(painter, look, v);
    }
    if (showText) {
        WriteText(painter, look, text, font);
    }
}

void DrawDiagram(QPainter& painter, const IndicatorLook& look, const std::uint8_t history[],
                 int count, const QString& text, bool showText, TextFont* font) {
    const int columns = history == nullptr ? 0 : std::clamp(count, 0, look.X2 - look.X1 + 1);
    PreparePainter(painter);
    if (look.Graphic) {
        PictureDiagram(painter, look, history, columns);
    } else {
        ColourDiagram(painter, look, history, columns);
    }
    if (showText) {
        WriteText(painter, look, text, font);
    }
}

}  // namespace

void PaintGauge(QPainter& painter, const IndicatorLook& look, int value, const QString& text,
                bool showText, TextFont* font) {
    if (!painter.isActive() || !Drawable(look)) {
        return;
    }
    painter.save();
    DrawGauge(painter, look, value, text, showText, font);
    painter.restore();
}

void PaintDiagram(QPainter& painter, const IndicatorLook& look, const std::uint8_t history[],
                  int count, const QString& text, bool showText, TextFont* font) {
    if (!painter.isActive() || !Drawable(look)) {
        return;
    }
    painter.save();
    DrawDiagram(painter, look, history, count, text, showText, font);
    painter.restore();
}

void RepaintGauge(QPainter& painter, const IndicatorLook& look, int value, const QString& text,
                  bool showText, TextFont& font) {
    if (!painter.isActive() || !Drawable(look)) {
        return;
    }
    ResetPainter(painter);
    DrawGauge(painter, look, value, text, showText, &font);
    ResetPainter(painter);
}

void RepaintDiagram(QPainter& painter, const IndicatorLook& look, const std::uint8_t history[],
                    int count, const QString& text, bool showText, TextFont& font) {
    if (!painter.isActive() || !Drawable(look)) {
        return;
    }
    ResetPainter(painter);
    DrawDiagram(painter, look, history, count, text, showText, &font);
    ResetPainter(painter);
}

}  // namespace tarnwick
