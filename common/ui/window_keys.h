#pragma once

#include <functional>

class QWidget;

namespace tarnwick {

// The keys every window of the settings program answers, whichever of its controls has the
// focus: F1 with any modifiers opens the window's help, Escape closes the window as its close
// box does, and Enter or Return presses a focused push or tool button as Space does (once,
// however long it is held). A filter on the application sees the keys before a control can
// use them; it lives as long as the window.
void InstallWindowKeys(QWidget& window, std::function<void()> help);

}  // namespace tarnwick
