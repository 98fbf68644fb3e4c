#pragma once

#include "common/skin/look.h"

#include <QImage>
#include <QString>

#include <optional>

namespace tarnwick {

// The largest picture side we accept: anything bigger is not a picture for a window of a few
// dozen pixels, and decoding it could take most of the memory.
constexpr int kMaxPictureSide = 4096;

// The size of a tray strip: 101 cells of 16 x 16, cell i at x = 16 i.
constexpr int kTrayStripWidth = 1616;
constexpr int kTrayStripHeight = 16;

// Sets the four styles from the words "bold", "italic", "underline" and "strikeout" found
// anywhere in the text, with regard to case ("bolditalic" is bold and italic, "Bold" plain).
void ApplyFontStyle(FontSpec& font, const QString& style);
// The style words of a font the way the skin editor writes them: "bold italic", "" for plain.
QString FontStyleToSkinText(const FontSpec& font);

// The look of the monitor when no skin can be used: 50 x 39, two gauges and the diagram.
SkinLook BuiltInLook();

// A picture or strip file as a bitmap: null when the file is missing, is not a readable BMP,
// or is wider or higher than kMaxPictureSide. The size is checked before the pixels are
// decoded. The result is opaque (the window draws bitmaps without an alpha channel).
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
