#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tarnwick {

// Where a window of the given size at position comes to rest when it is docked: its edges
// stick to the edges of the work area (the desktop without panels) and of the screen when
// they lie within distance pixels of them, bounds included. The horizontal rules run first
// (work area left, screen left, work area right, screen right), then the vertical ones in the
// same order; each sees the position the earlier ones left. The screen is normally the
// primary one with its origin at (0, 0); the rules take its origin as it is.
QPoint SnapPosition(QPoint position, QSize size, int distance, const QRect& workArea,
                    const QRect& screen);

// Where a window of the given size at position comes to rest on a screen of the given size
// (origin at (0, 0)) so that it can be reached: one that lies wholly off the screen on a side
// comes back to that edge; one that still shows a pixel stays. The rules run left, right, top,
// bottom, each on the position the earlier ones left.
QPoint OnScreenPosition(QPoint position, QSize size, QSize screen);

}  // namespace tarnwick
