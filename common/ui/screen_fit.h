#pragma once

class QScreen;
class QWidget;

namespace tarnwick {

// A window of fixed size whose controls lie in a scroll area without a frame. It is as large
// as its controls (the body, whose size is fixed), unless a large font or scale factor makes
// them taller or wider than the screen's free area: then the window fits that area, less room
// for a title bar, and the controls scroll.
void PutBodyInScrollArea(QWidget& window, QWidget* body);
void FitWindowToScreen(QWidget& window, const QWidget& body, const QScreen* screen);

}  // namespace tarnwick
