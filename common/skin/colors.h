#pragma once

#include <QColor>
#include <QString>

namespace tarnwick {

// Reads a colour of a skin file: a colour name such as "clRed" (any case), a system colour
// name such as "clBtnFace" (taken from the application palette), or an integer in decimal or
// with a leading "$" (or "0x") in hexadecimal, laid out 0x00BBGGRR with red in the low byte.
// The integer forms of the system colours (0xFF000000 + index) are understood too.
// "clNone", "clDefault", their integers, an unknown system colour index and any other text
// give the fallback: a skin has no use for "no colour", and the key's default is the best
// guess for a value we cannot read.
QColor ParseColor(const QString& text, const QColor& fallback);

// The form the skin editor writes: "$" and eight upper-case hex digits, 0x00BBGGRR.
// Red 255, green 128, blue 192 gives "$00C080FF".
QString ColorToSkinText(const QColor& color);

}  // namespace tarnwick
