#pragma once

#include "common/skin/look.h"
#include "common/skin/skin_format.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <optional>

namespace tarnwick {

// The most pixels a picture may decode to (kMaxPictureSide is the largest side): a compressed file
// of a kilobyte can announce 4096 x 4096 pixels, 64 MB once decoded. The skin editor's sizes end at
// 2000, so the largest picture it needs is 2000 x 4000 (the ground above the progress).
constexpr qint64 kMaxPicturePixels = qint64{2000} * 4000;
// A picture file is never larger than those pixels uncompressed at 32 bits, plus a header.
constexpr std::size_t kMaxPictureFileBytes = std::size_t{kMaxPicturePixels} * 4 + 65536;

// The size of a tray strip: 101 cells of 16 x 16, cell i at x = 16 i.
constexpr int kTrayStripWidth = 1616;
constexpr int kTrayStripHeight = 16;

// The look of the monitor when no skin can be used: 50 x 39, two gauges and the diagram.
SkinLook BuiltInLook();

// A picture or strip file as a bitmap: null when the file is missing, is not a regular file
// of at most kMaxPictureFileBytes, is not a readable BMP, is wider or higher than
// kMaxPictureSide or has more than kMaxPicturePixels. The size is checked before the pixels
// are decoded. The result is opaque (the window draws bitmaps without an alpha channel).
QImage LoadBitmap(const QString& path);

// True when the skin file exists and every indicator with `graphic` names a picture that
// loads with LoadBitmap. The tray strip plays no part.
bool SkinIsUsable(const QString& path);

// Reads a skin file into a look; nothing when the skin is not usable (the same test as
// SkinIsUsable, with each picture decoded once). Keys that are missing take their defaults;
// the window size is kept to 1..kMaxPictureSide pixels. Pictures are split into their upper
// half (the ground, h/2 rows rounded down) and lower half (the progress). The [window]
// `icons` strip is loaded when it is a readable bitmap of 1616 x 16; otherwise trayStrip
// stays null and the built-in strip is used.
std::optional<SkinLook> ReadSkin(const QString& path);

}  // namespace tarnwick
