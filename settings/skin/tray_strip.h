#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace tarnwick::cfg {

// The eleven pictures a strip is built from: the digits 0 to 9, then the number 100.
using DigitPictures = std::array<QImage, 11>;

// The file names of the eleven pictures, in the order they are looked for.
QString DigitPictureName(int index);

// The tray-icons strip, 1616 x 16: the ground colour everywhere, then for each number below
// 100 the left 8 x 16 of its tens digit's picture in columns 16n..16n+7 (only for two
// digits) and that of its units digit in 16n+8..16n+15, and the left 16 x 16 of the
// picture of 100 in columns 1600..1615. Pictures smaller than that are not taken here:
// CheckIcons refuses them first.
QImage BuildIconsStrip(const DigitPictures& digits, const QColor& ground);

// The strip at 24, 16, 8 or 4 bits per pixel, in the format EncodeBmp writes at that depth.
// 8 and 4 bits map each colour to the nearest one of a fixed palette (no dithering, so the
// digits keep their edges): 4 bits the sixteen standard colours, 8 bits those sixteen, a
// 6 x 6 x 6 colour cube and a ramp of 24 greys.
QImage ConvertToDepth(const QImage& strip, int bits);

QVector<QRgb> SixteenColorPalette();
QVector<QRgb> TwoHundredFiftySixColorPalette();

}  // namespace tarnwick::cfg
