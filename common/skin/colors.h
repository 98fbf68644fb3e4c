#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace tarnwick {

// A colour the way a skin file stores it: 0x00BBGGRR with red in the low byte, or a system
// colour, 0xFF000000 plus its index, which follows the desktop's palette.
using ColorValue = std::uint32_t;

// The system window-text colour, "clWindowText".
constexpr ColorValue kWindowTextColor = 0xFF000008u;

// Reads a colour of a skin file: a colour name such as "clRed" (any case), a system colour
// name such as "clBtnFace" (taken from the application palette), or an integer in decimal or
// with a leading "$" (or "0x") in hexadecimal, laid out 0x00BBGGRR with red in the low byte.
// The integer forms of the system colours (0xFF000000 + index) are understood too.
// "clNone", "clDefault", their integers, an unknown system colour index and any other text
// give the fallback: a skin has no use for "no colour", and the key's default is the best
// guess for a value we cannot read.
QColor ParseColor(const QString& text, const QColor& fallback);

// The stored value of a colour text: a colour name (clNone and clDefault included) or an
// integer. Nothing for any other text, which the skin editor refuses as not a number.
std::optional<ColorValue> ParseColorValue(const QString& text);
// The colour a stored value shows now: system colours from the palette; clNone, clDefault
// and unknown system indexes give the fallback.
QColor ColorOfValue(ColorValue value, const QColor& fallback);
// The value of a plain colour (the alpha is dropped).
ColorValue ValueOfColor(const QColor& color);
// "$" and eight upper-case hex digits of the stored value, system colours with their high
// byte: white gives "$00FFFFFF", clWindowText "$FF000008".
QString ColorToText(ColorValue value);

// The form the skin editor writes: "$" and eight upper-case hex digits, 0x00BBGGRR.
// Red 255, green 128, blue 192 gives "$00C080FF".
QString ColorToSkinText(const QColor& color);

}  // namespace tarnwick
