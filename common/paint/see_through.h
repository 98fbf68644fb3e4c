#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <vector>

namespace tarnwick {

// The window's shape under a see-through colour: every pixel of the painted canvas that is
// not exactly that colour stays, the others let the desktop show. The shape keeps one flag per
// pixel, so after a paint it tells without allocating whether the paint changed which pixels
// stay; only then does the window need a new region. A gauge whose reading moves over an
// opaque ground changes no flag, and costs one pass over its rectangle.
class SeeThroughShape {
public:
    // Takes the whole canvas anew: its size, whether a colour is see-through and which.
    void Reset(const QImage& canvas, bool on, QRgb color);
    bool On() const { return on_; }

    // Reads the pixels of area (clipped to the canvas) after a paint there: true when one of
    // them became see-through or stopped being so. Always false while off.
    bool Update(const QImage& canvas, const QRect& area);

    // The pixels that stay, in rectangles banded row by row (made anew: ask after a change).
    // Empty when no pixel stays, or while off.
    QRegion Region() const;

private:
    // Reads one row's pixels x0..x1 into the flags; true when a flag changed.
    bool ReadRow(const QImage& canvas, int y, int x0, int x1);

    bool on_ = false;
    QRgb color_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> stays_;  // one flag per pixel, row by row
};

}  // namespace tarnwick
