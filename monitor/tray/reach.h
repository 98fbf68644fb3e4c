#pragma once

#include <QtGlobal>

namespace tarnwick {

// The monitor never becomes unreachable: its window hides only behind a tray icon that a tray
// host shows. Desktops without a tray host are common, and a host can come and go.

// The reason "&Minimize" is unavailable, shown as the item's tool tip (translated by the
// window).
inline constexpr char kNoTrayReason[] = QT_TRANSLATE_NOOP(
    "tarnwick::TfrMain", "There is no system tray on this desktop, so the window cannot be hidden");

// Whether the window shows at start-up: as the settings say, and always without a tray.
inline bool StartsVisible(bool visibleSetting, bool trayAvailable) {
    return visibleSetting || !trayAvailable;
}

// "&Minimize" on a shown window needs a tray; "&Restore" on a hidden one always works.
inline bool CanToggleWindow(bool trayAvailable, bool windowVisible) {
    return trayAvailable || !windowVisible;
}

// A hidden window whose tray host went away shows again.
inline bool MustShowWindow(bool trayAvailable, bool windowVisible) {
    return !trayAvailable && !windowVisible;
}

}  // namespace tarnwick
