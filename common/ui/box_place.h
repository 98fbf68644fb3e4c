#pragma once

#include <optional>

namespace tarnwick {

// A rectangle in screen pixels: the left and top edge and the size.
struct BoxRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct BoxPoint {
    int x = 0;
    int y = 0;
};

// How far right and down a new event box stands from the last one still open.
inline constexpr int kBoxCascade = 24;

// The top left corner of a new event message box of the given size on the screen's work area.
// The first box (no other open: lastOpen empty) is centred on the screen; each next one stands
// kBoxCascade pixels right and down of the last one still open, and starts again at the
// screen's left (or top) edge where it would leave the screen on the right (or at the bottom).
// A box that would cover the monitor's own window moves beside it (right, left, below or
// above, the shortest way) where the screen has room for it there; a box larger than the
// screen keeps its top left corner on the screen.
BoxPoint PlaceEventBox(int width, int height, const BoxRect& screen,
                       const std::optional<BoxRect>& lastOpen,
                       const std::optional<BoxRect>& monitorWindow);

}  // namespace tarnwick
