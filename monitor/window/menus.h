#pragma once

#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace tarnwick {

// The monitor's two menus, every item named after its component (pmDock, pm7_2, pmIcon1Tray),
// so handlers and tests find them by name. Building them only makes the items; TfrMain
// connects the handlers.
struct MonitorMenus {
    QMenu* main = nullptr;    // MainPopMenu, on the right mouse button and the tray icon
    QMenu* tray = nullptr;    // TrayPopMenu, on a left click of the tray icon
    QMenu* skins = nullptr;   // pmListSkins: the skin items go above pmAfterSkin
    QMenu* events = nullptr;  // pmEvents: the event items go above miRefEvents
    QActionGroup* skinGroup = nullptr;
};

MonitorMenus BuildMenus(QWidget* window);

// The name of an item of an indicator's submenu: ItemName("pm7", 1) is "pm7_2".
QString ItemName(const QString& base, int indicator);

// The four tray icon items of the popup menu and their twins in the tray menu.
inline constexpr const char* kTrayIconItems[2][4] = {
    {"pmIcon1", "pmIcon2", "pmIcon3", "pmIcon4"},
    {"pmIcon1Tray", "PmIcon2Tray", "pmIcon3Tray", "pmIcon4Tray"}};

// The item of either menu called name; nullptr when there is none.
QAction* MenuItem(const QWidget* window, const QString& name);

}  // namespace tarnwick
