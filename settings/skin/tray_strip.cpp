#include "settings/skin/tray_strip.h"

#include <QHash>
#include <QPainter>

#include <limits>

#include "common/skin/skin.h"

namespace tarnwick::cfg {
namespace {

constexpr int kCell = 16;
constexpr int kDigitWidth = 8;

int NearestIndex(QRgb color, const QVector<QRgb>& palette) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(color) - qRed(palette[i]);
        const int dg = qGreen(color) - qGreen(palette[i]);
        const int db = qBlue(color) - qBlue(palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QImage ToPalette(const QImage& strip, const QVector<QRgb>& palette) {
    const QImage source = strip.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, int> nearest;  // a strip has few colours: look each up once
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb color = from[x] | 0xFF000000u;
            auto found = nearest.constFind(color);
            if (found == nearest.constEnd()) {
                found = nearest.insert(color, NearestIndex(color, palette));
            }
            to[x] = static_cast<uchar>(*found);
        }
    }
    return indexed;
}

}  // namespace

QString DigitPictureName(int index) {
    return index < 10 ? QStringLiteral("%1.bmp").arg(index) : QStringLiteral("100.bmp");
}

QImage BuildIconsStrip(const DigitPictures& digits, const QColor& ground) {
    QImage strip(kTrayStripWidth, kTrayStripHeight, QImage::Format_RGB32);
    strip.fill(ground);
    QPainter painter(&strip);
    const QRect digitPart(0, 0, kDigitWidth, kCell);
    for (int n = 0; n < 100; ++n) {
        if (n >= 10) {
            painter.drawImage(QPoint(kCell * n, 0), digits[n / 10], digitPart);
        }
        painter.drawImage(QPoint(kCell * n + kDigitWidth, 0), digits[n % 10], digitPart);
    }
    painter.drawImage(QPoint(kCell * 100, 0), digits[10], QRect(0, 0, kCell, kCell));
    return strip;
}

QVector<QRgb> SixteenColorPalette() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QVector<QRgb> TwoHundredFiftySixColorPalette() {
    QVector<QRgb> palette = SixteenColorPalette();
    const int levels[] = {0, 95, 135, 175, 215, 255};
    for (int r : levels) {
        for (int g : levels) {
            for (int b : levels) {
                palette << qRgb(r, g, b);
            }
        }
    }
    for (int i = 0; i < 24; ++i) {
        const int grey = 8 + 10 * i;
        palette << qRgb(grey, grey, grey);
    }
    return palette;
}

QImage ConvertToDepth(const QImage& strip, int bits) {
    switch (bits) {
        case 16:
            return strip.convertToFormat(QImage::Format_RGB555);
        case 8:
            return ToPalette(strip, TwoHundredFiftySixColorPalette());
        case 4:
            return ToPalette(strip, SixteenColorPalette());
        default:
            return strip.convertToFormat(QImage::Format_RGB888);
    }
}

}  // namespace tarnwick::cfg
