#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

#include <array>

namespace tarnwick {

// The tray icon shows a number from 0 to 100, one picture per number.
constexpr int kTrayPictureCount = 101;
constexpr int kTrayCellSize = 16;
constexpr int kTrayStripWidth = kTrayPictureCount * kTrayCellSize;  // 1616

// Colours of the built-in strip.
constexpr QRgb kTrayBackground = qRgb(252, 254, 252);
constexpr QRgb kTrayDigitBlue = qRgb(4, 2, 252);      // 0 to 90
constexpr QRgb kTrayDigitDarkBlue = qRgb(0, 0, 119);  // 91 to 99
constexpr QRgb kTrayDigitRed = qRgb(196, 9, 30);      // 100

// TrayPictures[i] shows the number i.
using TrayPictures = std::array<QIcon, kTrayPictureCount>;

// The built-in strip of 1616 x 16 pixels: cell i (x from 16 i to 16 i + 15) shows the number i
// in seven-segment digits on a near-white ground. Drawn in code, so no picture file has to
// travel with the program.
QImage BuiltInTrayStrip();

// The 101 pictures cut from a strip of 1616 x 16 pixels, each cell painted over white so every
// pixel of the icon is opaque, also where the strip has alpha. A strip of any other size (a
// null one included) gives the built-in pictures: a skin with a broken strip must never leave
// the tray without a number.
TrayPictures BuildTrayPictures(const QImage& strip);

}  // namespace tarnwick
