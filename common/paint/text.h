#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>

#include "common/skin/look.h"

#include <array>
#include <string_view>

class QPainter;
class QPaintDevice;

namespace tarnwick {

// The screen resolution the skins are drawn for: a QImage painted like the window should
// carry this many dots per metre (96 dots per inch), so that an 8-point font is 11 pixels.
constexpr int kDotsPerMetre96Dpi = 3780;

// The Qt font of a skin's font. Its size is set in whole pixels: the points times the paint
// device's dots per inch over 72, rounded (8 pt at 96 dpi gives 11 px), at least 1 and at
// most 1000. Whole pixels keep the text's metrics, and so its place, the same on every run
// instead of depending on fractional glyph scaling. The colour is not part of a QFont; the
// painting takes it from skinFont.color as the pen.
QFont MakeFont(const FontSpec& skinFont, int dotsPerInch);

// Where a text of w x h pixels starts so that it stands centred in the rectangle (left, top,
// right, bottom) at the angle 0, 90, 180 or 270 (any other angle is taken as 0). The point
// is the text's own top-left corner, which turns with the text: at 90 degrees the text runs
// upward, at 180 it is upside down and runs leftward, at 270 it runs downward.
QPoint TextStartPoint(int left, int top, int right, int bottom, int w, int h, int angle);

// Writes the text with the painter's font and pen, centred in the rectangle and turned
// counter-clockwise by the angle, with no background. The right and bottom edges are
// exclusive for the clipping, so the indicators pass X2 + 1 and Y2 + 1 and the text stays on
// the indicator. The painter's state is left as it was.
void DrawRotatedText(QPainter& painter, int left, int top, int right, int bottom,
                     const QString& text, int angle);

// A skin font made once per skin load, with the texts it wrote lately laid out as glyph runs, so
// a paint neither builds a font nor shapes its text again (an underlined or struck-out font
// keeps only their widths). It writes exactly what MakeFont and DrawRotatedText write.
class TextFont {
public:
    // A text shaped once: its width as QFontMetrics gives it, its glyphs placed on a baseline
    // through the origin, and a rectangle that holds every pixel they paint.
    struct Laid {
        QString text;
        int width = 0;
        QList<QGlyphRun> runs;
        QRectF ink;
    };

    TextFont() = default;
    TextFont(const FontSpec& skinFont, const QPaintDevice& device) { Prepare(skinFont, device); }

    // Makes the font for the device's resolution. Again with the same font and resolution it
    // keeps what it has, laid-out texts included.
    void Prepare(const FontSpec& skinFont, const QPaintDevice& device);

    // The text on the device of the last Prepare; the last kRemembered texts are shaped once.
    const Laid& Lay(const QString& text);
    int Width(const QString& text) { return Lay(text).width; }
    int Height() const { return metrics_.height(); }
    int Ascent() const { return metrics_.ascent(); }
    const QFont& Font() const { return font_; }
    const QColor& Color() const { return spec_.color; }
    const QPen& Pen() const { return pen_; }  // made once: a pen made per paint is allocated
    // Underlined or struck out: such texts are measured here but shaped at each paint.
    bool Decorated() const { return spec_.underline || spec_.strikeout; }

    // Room for every text of a percentage (0 to 100) and then some, so a moving load finds its
    // text laid out.
    static constexpr std::size_t kRemembered = 128;

private:
    void LayOut(Laid& slot) const;

    FontSpec spec_;
    int dotsPerInch_ = 0;  // 0: not prepared
    QFont font_;
    QFont deviceFont_;  // font_ for the device, as a painter on it would take font_
    QFontMetrics metrics_{QFont()};
    QPen pen_;
    std::array<Laid, kRemembered> laid_;
    std::size_t used_ = 0;  // laid_ filled so far, then the next one to replace
    std::size_t next_ = 0;
};

// The same as DrawRotatedText, with the font, its colour and the laid-out text of the TextFont,
// which must have been prepared for the painter's device. The painter keeps the font's pen, the
// transparent background, the text's transform and, for a text that reaches beyond the
// rectangle, its clip: the caller restores its own state, so a paint does not save the
// painter's state twice. A text wholly inside the rectangle is drawn without a clip: the same
// pixels, and no clip data made. A decorated font sets the painter's font and always clips.
void DrawRotatedText(QPainter& painter, TextFont& font, int left, int top, int right, int bottom,
                     const QString& text, int angle);

// Puts the UTF-8 text into target, as QString::fromUtf8 would make it, in the room target
// already has: a string that is not shared and has room for the text takes it without a heap
// allocation, so a timer can reuse one string for every reading.
void AssignUtf8(QString& target, std::string_view utf8);

// Fills the area (the whole window) with its colour, before a new display mode is painted.
void ClearWindow(QPainter& painter, const QRect& area, const QColor& color);

}  // namespace tarnwick
