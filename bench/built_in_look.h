#pragma once

// The built-in look's indicator and a canvas of the built-in window's size at 96 DPI, shared
// by the painting and tick benchmarks.

#include <QColor>
#include <QImage>
#include <QString>

#include "common/paint/indicators.h"
#include "common/paint/text.h"

namespace tarnwick::bench {

inline IndicatorLook BuiltInLook(int y2) {
    IndicatorLook look;
    look.X1 = 1;
    look.Y1 = 1;
    look.X2 = 48;
    look.Y2 = y2;
    look.GroundColor = QColor(255, 128, 192);
    look.ProgressColor = QColor(121, 121, 255);
    look.Font = FontSpec{QStringLiteral("DejaVu Sans"), 8, Qt::white};
    return look;
}

inline QImage WindowImage() {
    QImage image(50, 39, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre96Dpi);
    image.setDotsPerMeterY(kDotsPerMetre96Dpi);
    image.fill(Qt::black);
    return image;
}

}  // namespace tarnwick::bench
