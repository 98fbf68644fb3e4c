#pragma once

#include <QString>

#include <cstdint>

#include "common/skin/look.h"

class QPainter;

namespace tarnwick {

class TextFont;

// The gauge of indicator 1 or 2: a bar filled to the value (a usage percentage, clamped to
// 0..100) from the look's colours or pictures, then, when showText is on, the text over it.
// The whole rectangle is drawn, so an earlier text disappears. A look whose rectangle is
// inverted (X2 < X1 or Y2 < Y1) or lies beyond +-kMaxCoordinate draws nothing; a null
// picture leaves its part undrawn.
// With a font, the text is written with it (prepared for the look's font once per skin load);
// without, a font is made for this paint. The pixels are the same.
void PaintGauge(QPainter& painter, const IndicatorLook& look, int value, const QString& text,
                bool showText, TextFont* font = nullptr);

// The diagram: one column per history byte (index 0 at X1), each byte a percentage, then the
// text. Bytes beyond the rectangle's width are not drawn; bytes above 100 draw as 100. The
// same rules for inverted rectangles and null pictures as the gauge.
void PaintDiagram(QPainter& painter, const IndicatorLook& look, const std::uint8_t history[],
                  int count, const QString& text, bool showText, TextFont* font = nullptr);

// The same pixels as PaintGauge and PaintDiagram with the font, for a painter the caller keeps
// begun on one canvas from paint to paint and paints with through these alone (and plain
// fills): they save nothing, since a saved state is allocated, and set the state they draw with
// themselves. They leave the painter without transform or clip, and keep its pen and brush, so
// the next paint finds the brush it needs.
void RepaintGauge(QPainter& painter, const IndicatorLook& look, int value, const QString& text,
                  bool showText, TextFont& font);
void RepaintDiagram(QPainter& painter, const IndicatorLook& look, const std::uint8_t history[],
                    int count, const QString& text, bool showText, TextFont& font);

// Coordinates farther from the origin than this are not a window's and are not drawn; within
// it every product of a span and a percentage fits 32 bits.
constexpr int kMaxCoordinate = 1 << 20;

}  // namespace tarnwick
