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

// The item of either menu called name; nullptr when there is none.
QAction* MenuItem(const QWidget* window, const QString& name);

}  // namespace tarnwick
