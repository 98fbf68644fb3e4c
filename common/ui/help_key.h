#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace tarnwick {

// F1 with any modifiers, whichever control of the window has the focus, opens the window's
// help. A filter on the application sees the key before a control can use it; it lives as
// long as the window.
void InstallHelpKey(QWidget& window, std::function<void()> help);

}  // namespace tarnwick
