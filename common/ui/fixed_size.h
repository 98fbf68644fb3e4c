#pragma once

#include <QSize>

class QWidget;

namespace tarnwick {

// Gives a window with a layout a fixed size, no resize border: its designed size, or more where
// its controls need more room, as with a larger system font, so that none of them is cut.
void FixSizeAtLeast(QWidget& window, QSize designed);

}  // namespace tarnwick
