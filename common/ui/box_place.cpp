#include "common/ui/box_place.h"

#include <algorithm>
#include <cstdlib>

#include "common/numbers.h"

namespace tarnwick {

namespace {

bool Overlap(const BoxRect& a, const BoxRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool Inside(const BoxRect& box, const BoxRect& screen) {
    return box.x >= screen.x && box.y >= screen.y && box.x + box.width <= screen.x + screen.width &&
           box.y + box.height <= screen.y + screen.height;
}

// One axis: as far as it goes on the screen, the near edge first when the box is too large.
int KeepOnScreen(int at, int size, int screenAt, int screenSize) {
    return std::max(screenAt, std::min(at, screenAt + screenSize - size));
}

int Centred(int size, int screenAt, int screenSize) {
    return screenAt + static_cast<int>(RoundHalfEven((screenSize - size) / 2.0L));
}

// The next step of the cascade on one axis, back at the screen's edge past its far end.
int Cascade(int last, int size, int screenAt, int screenSize) {
    const int next = last + kBoxCascade;
    return next + size > screenAt + screenSize ? screenAt : next;
}

}  // namespace

BoxPoint PlaceEventBox(int width, int height, const BoxRect& screen,
                       const std::optional<BoxRect>& lastOpen,
                       const std::optional<BoxRect>& monitorWindow) {
    BoxRect box{0, 0, width, height};
    if (lastOpen) {
        box.x = Cascade(lastOpen->x, width, screen.x, screen.width);
        box.y = Cascade(lastOpen->y, height, screen.y, screen.height);
    } else {
        box.x = Centred(width, screen.x, screen.width);
        box.y = Centred(height, screen.y, screen.height);
    }
    box.x = KeepOnScreen(box.x, width, screen.x, screen.width);
    box.y = KeepOnScreen(box.y, height, screen.y, screen.height);
    if (monitorWindow && Overlap(box, *monitorWindow)) {
        const BoxRect& avoid = *monitorWindow;
        const BoxRect beside[] = {{avoid.x + avoid.width, box.y, width, height},
                                  {avoid.x - width, box.y, width, height},
                                  {box.x, avoid.y + avoid.height, width, height},
                                  {box.x, avoid.y - height, width, height}};
        const BoxRect* best = nullptr;
        int bestMove = 0;
        for (const BoxRect& place : beside) {
            const int move = std::abs(place.x - box.x) + std::abs(place.y - box.y);
            if (Inside(place, screen) && (best == nullptr || move < bestMove)) {
                best = &place;
                bestMove = move;
            }
        }
        if (best != nullptr) {
            box = *best;
        }
    }
    return {box.x, box.y};
}

}  // namespace tarnwick
