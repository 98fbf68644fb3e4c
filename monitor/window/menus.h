#pragma once

#include <QString>

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace tarnwick {

// The speeds of updating the menus offer, in the order of their items.
inline constexpr std::array<int, 5> kSpeedIntervals = {200, 500, 1000, 2000, 5000};
inline constexpr int kTransparencySteps = 10;  // 0 %, 10 %, ... 90 %

// The items of "Indicator &1", "Indicator &2" and "&Diagram". Every item of a group carries
// its value in data(): the Measure, the interval in milliseconds.
struct IndicatorItems {
    QMenu* menu = nullptr;
    std::array<QAction*, 16> measure{};  // measure[m.Index()] is pm<number of m>_<n>
    QActionGroup* measures = nullptr;
    std::array<QAction*, 4> total{};  // the disabled "Total" line of each resource
    std::array<QAction*, 5> speed{};  // parallel to kSpeedIntervals
    QActionGroup* speeds = nullptr;
    QAction* stop = nullptr;  // pmStop<n>
    QAction* text = nullptr;  // pmText_<n>
};

// The monitor's two menus, built once. Every item keeps its component's name (pmDock, pm7_2,
// pmIcon1Tray) for tests and screenshots; the window reaches the items only through these
// members. Building only makes the items; TfrMain connects the handlers.
struct MonitorMenus {
    QMenu* main = nullptr;    // MainPopMenu, on the right mouse button and the tray icon
    QMenu* tray = nullptr;    // TrayPopMenu, on a left click of the tray icon
    QMenu* skins = nullptr;   // pmListSkins: the skin items go above afterSkin
    QMenu* events = nullptr;  // pmEvents: the event items go above miRefEvents
    QMenu* transparentMenu = nullptr;
    QAction* afterSkin = nullptr;
    QActionGroup* skinGroup = nullptr;

    QAction* about = nullptr;
    QAction* manual = nullptr;            // N15
    QAction* website = nullptr;           // N17
    QAction* support = nullptr;           // N22
    QAction* clipboardManager = nullptr;  // Clipboardmanager1

    QAction* info = nullptr;
    QAction* pop = nullptr;
    QAction* dock = nullptr;
    QAction* bolt = nullptr;
    QAction* autorun = nullptr;
    QAction* oneCopy = nullptr;
    QAction* priority = nullptr;

    QAction* config = nullptr;
    QAction* refreshOpt = nullptr;
    QAction* refEvents = nullptr;
    QAction* eventsEdit = nullptr;
    QAction* randomSkin = nullptr;
    QAction* skinsEdit = nullptr;

    // The tray icon items of the popup menu and their twins in the tray menu; data() is the
    // TrayMeasure. Their groups do not exclude: a click on the ticked one takes the icon away.
    std::array<QAction*, 4> trayIcon{};
    std::array<QAction*, 4> trayIconTray{};
    QActionGroup* trayIcons = nullptr;
    std::array<QAction*, 5> iconsSpeed{};  // parallel to kSpeedIntervals
    QActionGroup* iconsSpeeds = nullptr;

    std::array<QAction*, kTransparencySteps> transparency{};  // data() is the percentage
    QActionGroup* transparencies = nullptr;

    std::array<IndicatorItems, 3> indicators;

    QAction* mode1 = nullptr;  // "&One diagram"; data() is DisplayMode::OneDiagram
    QAction* mode2 = nullptr;  // "T&wo indicators"; data() is DisplayMode::TwoIndicators
    QActionGroup* modes = nullptr;
    QAction* close = nullptr;
    QAction* min = nullptr;

    QAction* configTray = nullptr;
    QAction* eventsTray = nullptr;
    QAction* skinsTray = nullptr;
    QAction* closeTray = nullptr;
    QAction* minTray = nullptr;
};

// Builds both menus as children of window; the items with a shortcut are added to the
// window too, so the keys act while it has the focus, also with the menu closed.
MonitorMenus BuildMenus(QWidget* window);

// The index of interval in kSpeedIntervals; -1 for any other.
int SpeedIndex(int interval);

}  // namespace tarnwick
