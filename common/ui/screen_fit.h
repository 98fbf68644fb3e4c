#pragma once

#include <QSize>

class QScreen;
class QWidget;

namespace tarnwick {

// A window of fixed size whose controls lie in a scroll area without a frame. It is as large
// as its controls (the body, whose size is fixed), unless a large font or scale factor makes
// them taller or wider than the screen's free area: then the window fits that area, less room
// for a title bar, and the controls scroll.
void PutBodyInScrollArea(QWidget& window, QWidget* body);
void FitWindowToScreen(QWidget& window, const QWidget& body, const QScreen* screen);

// The height of window's title bar: the window system's once the window has its frame, and at
// least two lines of the window's font before.
int TitleBarAllowance(const QWidget& window);
// What the screen's free area leaves for the inside of window, below its title bar.
QSize RoomOnScreen(const QWidget& window, const QScreen& screen);
// Puts window, with its title bar, in the middle of the screen's free area.
void CentreOnScreen(QWidget& window, const QScreen& screen);

}  // namespace tarnwick
