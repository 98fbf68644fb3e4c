#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <string>

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

// What the pointer's positions on a window are relative to while a button drags it: where the
// window stands now (Surface), or where it stood when the button went down, for as long as the
// button is held (Press).
enum class PointerReference { Surface, Press };

// The compositor's rule for a layer surface that the client moves: sway keeps the place at the
// press; KDE's KWin tells positions from where the surface stands. Elsewhere the press place
// is taken: taken wrongly it makes the window follow at half the pointer's speed, where the
// other rule taken wrongly would make it run away from the pointer. (desktop:
// XDG_CURRENT_DESKTOP, names separated by ':')
PointerReference PointerReferenceOf(const std::string& desktop);

// Where the window's corner goes when the pointer is at local (a position on the window) while
// a drag that began with the pointer at pressLocal and the corner at pressCorner goes on, the
// corner now being at corner: the point under the pointer at the press stays under it.
QPoint DraggedCorner(PointerReference reference, QPoint pressCorner, QPoint corner,
                     QPoint pressLocal, QPoint local);

}  // namespace tarnwick
