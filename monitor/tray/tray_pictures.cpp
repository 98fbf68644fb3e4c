#include "monitor/tray/tray_pictures.h"

#include <QPainter>
#include <QPixmap>

namespace tarnwick {
namespace {

// Segments of a seven-segment digit, one bit each.
enum Segment : unsigned {
    kTop = 1u << 0,
    kUpperRight = 1u << 1,
    kLowerRight = 1u << 2,
    kBottom = 1u << 3,
    kLowerLeft = 1u << 4,
    kUpperLeft = 1u << 5,
    kMiddle = 1u << 6,
};

constexpr std::array<unsigned, 10> kDigitSegments = {
    kTop | kUpperRight | kLowerRight | kBottom | kLowerLeft | kUpperLeft,            // 0
    kUpperRight | kLowerRight,                                                       // 1
    kTop | kUpperRight | kMiddle | kLowerLeft | kBottom,                             // 2
    kTop | kUpperRight | kMiddle | kLowerRight | kBottom,                            // 3
    kUpperLeft | kMiddle | kUpperRight | kLowerRight,                                // 4
    kTop | kUpperLeft | kMiddle | kLowerRight | kBottom,                             // 5
    kTop | kUpperLeft | kMiddle | kLowerLeft | kLowerRight | kBottom,                // 6
    kTop | kUpperRight | kLowerRight,                                                // 7
    kTop | kUpperRight | kLowerRight | kBottom | kLowerLeft | kUpperLeft | kMiddle,  // 8
    kTop | kUpperRight | kLowerRight | kBottom | kUpperLeft | kMiddle,               // 9
};

void Row(QImage& image, int y, int x1, int x2, QRgb colour) {
    for (int x = x1; x <= x2; ++x) {
        image.setPixel(x, y, colour);
    }
}

void Column(QImage& image, int x, int y1, int y2, QRgb colour) {
    for (int y = y1; y <= y2; ++y) {
        image.setPixel(x, y, colour);
    }
}

// A vertical stroke of one half: the outer column runs the full half, the inner one is a pixel
// shorter at both ends, which bevels the ends and leaves one pixel where the halves meet.
void VerticalStroke(QImage& image, int outer, int inner, int top, QRgb colour) {
    Column(image, outer, top, top + 5, colour);
    Column(image, inner, top + 1, top + 4, colour);
}

// One digit, its glyph `width` pixels wide from column `left`, standing in rows 1 to 14.
// Horizontal strokes lie in rows 1-2, 7-8 and 13-14, vertical ones in the glyph's two outer
// column pairs. A width of 2 only suits the 1, which has no horizontal strokes.
void DrawDigit(QImage& image, int left, int width, int digit, QRgb colour) {
    const unsigned segments = kDigitSegments[static_cast<std::size_t>(digit)];
    const int right = left + width - 1;
    if (segments & kTop) {
        Row(image, 1, left + 1, right - 1, colour);
        Row(image, 2, left + 2, right - 2, colour);
    }
    if (segments & kMiddle) {
        Row(image, 7, left + 2, right - 2, colour);
        Row(image, 8, left + 2, right - 2, colour);
    }
    if (segments & kBottom) {
        Row(image, 13, left + 2, right - 2, colour);
        Row(image, 14, left + 1, right - 1, colour);
    }
    if (segments & kUpperLeft) {
        VerticalStroke(image, left, left + 1, 2, colour);
    }
    if (segments & kLowerLeft) {
        VerticalStroke(image, left, left + 1, 8, colour);
    }
    if (segments & kUpperRight) {
        VerticalStroke(image, right, right - 1, 2, colour);
    }
    if (segments & kLowerRight) {
        VerticalStroke(image, right, right - 1, 8, colour);
    }
}

QRgb DigitColour(int number) {
    if (number == 100) {
        return kTrayDigitRed;
    }
    return number > 90 ? kTrayDigitDarkBlue : kTrayDigitBlue;
}

void DrawNumber(QImage& strip, int number) {
    const int cell = number * kTrayCellSize;
    const QRgb colour = DigitColour(number);
    if (number == 100) {
        // Three digits only fit with narrower glyphs: a thin 1 and two zeros six pixels wide.
        DrawDigit(strip, cell + 0, 2, 1, colour);
        DrawDigit(strip, cell + 3, 6, 0, colour);
        DrawDigit(strip, cell + 10, 6, 0, colour);
        return;
    }
    if (number >= 10) {
        DrawDigit(strip, cell + 0, 7, number / 10, colour);
    }
    DrawDigit(strip, cell + 8, 7, number % 10, colour);
}

}  // namespace

QImage BuiltInTrayStrip() {
    QImage strip(kTrayStripWidth, kTrayCellSize, QImage::Format_RGB32);
    strip.fill(kTrayBackground);
    for (int number = 0; number < kTrayPictureCount; ++number) {
        DrawNumber(strip, number);
    }
    return strip;
}

TrayPictures BuildTrayPictures(const QImage& strip) {
    if (strip.width() != kTrayStripWidth || strip.height() != kTrayCellSize) {
        return BuildTrayPictures(BuiltInTrayStrip());
    }
    // One painter lays the whole strip over white; each cell is then a plain copy. A painter
    // per cell would leave its paint engine inside every picture, 101 of them for the day.
    QImage opaque(kTrayStripWidth, kTrayCellSize, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, strip);
    painter.end();
    TrayPictures pictures;
    for (int i = 0; i < kTrayPictureCount; ++i) {
        const QImage cell = opaque.copy(i * kTrayCellSize, 0, kTrayCellSize, kTrayCellSize);
        pictures[static_cast<std::size_t>(i)] = QIcon(QPixmap::fromImage(cell));
    }
    return pictures;
}

}  // namespace tarnwick
