#include "common/paint/see_through.h"

#include <algorithm>

namespace tarnwick {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;  // the alpha byte of an opaque canvas says nothing

}  // namespace

void SeeThroughShape::Reset(const QImage& canvas, bool on, QRgb color) {
    on_ = on;
    color_ = color & kColourBits;
    width_ = on ? canvas.width() : 0;
    height_ = on ? canvas.height() : 0;
    stays_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 1);
    Update(canvas, canvas.rect());
}

bool SeeThroughShape::Update(const QImage& canvas, const QRect& area) {
    if (!on_ || canvas.width() != width_ || canvas.height() != height_) {
        return false;
    }
    const QRect clipped = area.intersected(QRect(0, 0, width_, height_));
    bool changed = false;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        changed = ReadRow(canvas, y, clipped.left(), clipped.right()) || changed;
    }
    return changed;
}

bool SeeThroughShape::ReadRow(const QImage& canvas, int y, int x0, int x1) {
    std::uint8_t* flags = stays_.data() + static_cast<std::size_t>(y) * width_;
    const bool direct = canvas.depth() == 32;  // the window's canvas: read the row in place
    const auto* row = direct ? reinterpret_cast<const QRgb*>(canvas.constScanLine(y)) : nullptr;
    bool changed = false;
    for (int x = x0; x <= x1; ++x) {
        const QRgb pixel = direct ? row[x] : canvas.pixel(x, y);
        const std::uint8_t stays = (pixel & kColourBits) != color_ ? 1 : 0;
        changed = changed || flags[x] != stays;
        flags[x] = stays;
    }
    return changed;
}

QRegion SeeThroughShape::Region() const {
    // One rectangle per run of staying pixels in a row; a row whose runs repeat the row above
    // makes the rectangles of that band one row taller, as QRegion keeps its bands.
    std::vector<QRect> rects;
    std::size_t bandStart = 0;
    std::size_t bandSize = 0;
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* flags = stays_.data() + static_cast<std::size_t>(y) * width_;
        const std::size_t rowStart = rects.size();
        for (int x = 0; x < width_;) {
            if (flags[x] == 0) {
                ++x;
                continue;
            }
            const int begin = x;
            while (x < width_ && flags[x] != 0) {
                ++x;
            }
            rects.emplace_back(begin, y, x - begin, 1);
        }
        const std::size_t rowSize = rects.size() - rowStart;
        const bool repeats =
            bandSize > 0 && rowSize == bandSize &&
            std::equal(rects.begin() + static_cast<std::ptrdiff_t>(rowStart), rects.end(),
                       rects.begin() + static_cast<std::ptrdiff_t>(bandStart),
                       [](const QRect& row, const QRect& band) {
                           return row.left() == band.left() && row.width() == band.width() &&
                                  band.bottom() == row.top() - 1;
                       });
        if (repeats) {
            for (std::size_t i = bandStart; i < bandStart + bandSize; ++i) {
                rects[i].setBottom(y);
            }
            rects.resize(rowStart);
        } else {
            bandStart = rowStart;
            bandSize = rowSize;
        }
    }
    QRegion region;
    if (!rects.empty()) {
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    }
    return region;
}

}  // namespace tarnwick
