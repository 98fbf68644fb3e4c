#include "common/paint/text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>

#include "common/numbers.h"

namespace tarnwick {

namespace {

int Round(long double value) {
    return static_cast<int>(RoundHalfEven(value));
}

int KnownAngle(int angle) {
    return angle == 90 || angle == 180 || angle == 270 ? angle : 0;
}

}  // namespace

QFont MakeFont(const FontSpec& skinFont, int dotsPerInch) {
    QFont font(skinFont.name);
    // A negative size is a height in the skin's terms; its magnitude is what the user meant.
    const long double points = skinFont.pointSize < 0
                                   ? -static_cast<long double>(skinFont.pointSize)
                                   : static_cast<long double>(skinFont.pointSize);
    const auto pixels = RoundHalfEven(points * dotsPerInch / 72);
    font.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(pixels, 1, 1000)));
    font.setBold(skinFont.bold);
    font.setItalic(skinFont.italic);
    font.setUnderline(skinFont.underline);
    font.setStrikeOut(skinFont.strikeout);
    return font;
}

QPoint TextStartPoint(int left, int top, int right, int bottom, int w, int h, int angle) {
    const long double W = static_cast<long double>(right) - left + 1;
    const long double H = static_cast<long double>(bottom) - top + 1;
    switch (KnownAngle(angle)) {
        case 90:
            return {left + Round((W - h) / 2) - 1, bottom - Round((H - w) / 2) + 1};
        case 180:
            return {right - Round((W - w) / 2) + 1, bottom - Round((H - h) / 2) + 1};
        case 270:
            return {right - Round((W - h) / 2) + 1, top + Round((H - w) / 2) - 1};
        default:
            return {left + Round((W - w) / 2) - 1, top + Round((H - h) / 2) - 1};
    }
}

namespace {

bool Writable(const QPainter& painter, int left, int top, int right, int bottom,
              const QString& text) {
    return painter.isActive() && !text.isEmpty() && right > left && bottom > top;
}

// A text's size in pixels with its font, and the height of its letters above the baseline.
struct TextBox {
    int width;
    int height;
    int ascent;
};

// The text with the painter's font, centred in area (its right and bottom edges exclusive)
// and clipped to it.
void WriteAt(QPainter& painter, const QRect& area, const QString& text, const TextBox& box,
             int angle, bool keepState) {
    const QPoint start = TextStartPoint(area.left(), area.top(), area.right() + 1,
                                        area.bottom() + 1, box.width, box.height, angle);
    if (keepState) {
        painter.save();
    }
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(start);
    // Qt turns clockwise on the screen for positive angles; the skins count counter-clockwise.
    painter.rotate(-KnownAngle(angle));
    painter.drawText(0, box.ascent, text);  // top of the text at the start point
    if (keepState) {
        painter.restore();
    }
}

bool SameSkinFont(const FontSpec& a, const FontSpec& b) {
    return a.name == b.name && a.pointSize == b.pointSize && a.color == b.color &&
           a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.strikeout == b.strikeout;
}

}  // namespace

void DrawRotatedText(QPainter& painter, int left, int top, int right, int bottom,
                     const QString& text, int angle) {
    if (!Writable(painter, left, top, right, bottom, text)) {
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();  // for the painter's device
    WriteAt(painter, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), text,
            {metrics.horizontalAdvance(text), metrics.height(), metrics.ascent()}, angle, true);
}

void DrawRotatedText(QPainter& painter, TextFont& font, int left, int top, int right, int bottom,
                     const QString& text, int angle) {
    if (!Writable(painter, left, top, right, bottom, text)) {
        return;
    }
    const TextFont::Laid& laid = font.Lay(text);
    if (font.Decorated()) {
        // Glyph runs draw their lines otherwise than drawText does: such a font writes as a
        // font made for the paint.
        painter.setFont(font.Font());
        painter.setPen(font.Pen());
        WriteAt(painter, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), text,
                {laid.width, font.Height(), font.Ascent()}, angle, false);
        return;
    }
    const QPoint start = TextStartPoint(left, top, right, bottom, laid.width, font.Height(), angle);
    QTransform place = painter.transform();
    place.translate(start.x(), start.y());
    place.rotate(-KnownAngle(angle));
    const QRect clip(left, top, right - left, bottom - top);
    // The painter's transform maps the clip as it maps the text, so both are compared on the
    // device.
    const QRectF reach = place.mapRect(laid.ink.translated(0, font.Ascent()));
    if (!painter.transform().mapRect(QRectF(clip)).contains(reach)) {
        painter.setClipRect(clip, Qt::IntersectClip);
    }
    painter.setPen(font.Pen());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setTransform(place);
    for (const QGlyphRun& run : laid.runs) {
        painter.drawGlyphRun(QPointF(0, font.Ascent()), run);  // top of the text at the start
    }
}

void TextFont::Prepare(const FontSpec& skinFont, const QPaintDevice& device) {
    const int dotsPerInch = device.logicalDpiY();
    if (dotsPerInch == dotsPerInch_ && SameSkinFont(skinFont, spec_)) {
        return;
    }
    spec_ = skinFont;
    dotsPerInch_ = dotsPerInch;
    font_ = MakeFont(skinFont, dotsPerInch);
    deviceFont_ = QFont(font_, &device);
    metrics_ = QFontMetrics(font_, &device);
    pen_ = QPen(skinFont.color);
    laid_ = {};
    used_ = 0;
    next_ = 0;
}

const TextFont::Laid& TextFont::Lay(const QString& text) {
    for (std::size_t i = 0; i < used_; ++i) {
        if (laid_[i].text == text) {
            return laid_[i];
        }
    }
    // Replaced in turn when all are taken: the texts of a steady reading come back.
    std::size_t index = used_;
    if (used_ < kRemembered) {
        ++used_;
    } else {
        index = next_;
        next_ = (next_ + 1) % kRemembered;
    }
    Laid& slot = laid_[index];
    // A copy into the slot's own room: sharing the caller's characters would make the
    // caller's next change of its string copy them first.
    slot.text.resize(text.size());
    std::copy(text.cbegin(), text.cend(), slot.text.begin());
    slot.width = metrics_.horizontalAdvance(text);
    slot.runs.clear();
    if (!Decorated()) {
        LayOut(slot);
    }
    return slot;
}

// Shapes the text as QPainter::drawText does, on one line, and moves its glyphs so that the
// baseline runs through the origin.
void TextFont::LayOut(Laid& slot) const {
    QTextLayout layout(slot.text, deviceFont_);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    slot.runs = layout.glyphRuns();
    const QPointF baseline(0, line.y() + line.ascent());
    QRectF ink;
    for (QGlyphRun& run : slot.runs) {
        QList<QPointF> positions = run.positions();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QRawFont raw = run.rawFont();
        for (qsizetype i = 0; i < positions.size(); ++i) {
            positions[i] -= baseline;
            if (i < glyphs.size()) {
                ink |= raw.boundingRect(glyphs[i]).translated(positions[i]);
            }
        }
        run.setPositions(positions);
    }
    // Smoothed edges and rounding to whole pixels reach a little beyond the outlines.
    constexpr qreal kMargin = 2;
    slot.ink = ink.adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

void AssignUtf8(QString& target, std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        target = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        return;
    }
    target.resize(static_cast<qsizetype>(utf8.size()));  // keeps the room of an unshared string
    std::transform(utf8.begin(), utf8.end(), target.begin(),
                   [](char c) { return QChar(static_cast<ushort>(c)); });
}

void ClearWindow(QPainter& painter, const QRect& area, const QColor& color) {
    if (painter.isActive()) {
        painter.fillRect(area, color);
    }
}

}  // namespace tarnwick
