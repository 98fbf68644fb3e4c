#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

namespace tarnwick {

// The font of an indicator's text, as the skin names it.
struct FontSpec {
    QString name = QStringLiteral("Arial");
    int pointSize = 9;
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// How one indicator place (indicator 1, indicator 2 or the diagram) is drawn.
struct IndicatorLook {
    // The rectangle, inclusive: columns X1..X2, rows Y1..Y2 of the client area.
    int X1 = 1;
    int Y1 = 1;
    int X2 = 1;
    int Y2 = 1;
    FontSpec Font;
    bool Graphic = false;  // draw from the two pictures instead of the two colours
    QColor GroundColor = QColor(255, 255, 0);
    QColor ProgressColor = QColor(255, 0, 0);
    QImage GroundPicture;    // upper half of the skin's bitmap
    QImage ProgressPicture;  // lower half
    bool Horizontal = true;  // indicators 1 and 2: fill from left to right, else bottom to top
    bool Upward = true;      // the diagram: columns stand on the bottom, else hang from the top
    int TextAngle = 0;       // 0, 90, 180 or 270 degrees, counter-clockwise
};

// Everything a skin decides about the window.
struct SkinLook {
    int width = 1;
    int height = 1;
    QColor background = Qt::black;
    bool seeThrough = false;  // one colour of the window is see-through
    QColor seeThroughColor = Qt::black;
    std::array<IndicatorLook, 3> indicators;  // indicator 1, indicator 2, the diagram
    QImage trayStrip;  // the skin's own strip of 101 tray pictures; null for the built-in one
};

}  // namespace tarnwick
