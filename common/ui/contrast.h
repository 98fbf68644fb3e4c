#pragma once

#include <QColor>

namespace tarnwick {

// The contrast ratio of two colours as the web's accessibility guidelines measure it: from
// 1 (the same luminance) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour itself when it reaches the ratio against the ground; else the same hue made darker
// (on a light ground) or lighter (on a dark ground) just enough to reach it.
QColor ReadableOn(const QColor& colour, const QColor& ground, double ratio = 4.5);

}  // namespace tarnwick
