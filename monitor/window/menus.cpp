#include "monitor/window/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include <array>

namespace tarnwick {

namespace {

struct ItemSpec {
    const char* name;
    const char* caption;
    const char* shortcut;  // nullptr: none
};

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr,
                 bool checkable = false) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    if (shortcut != nullptr) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    }
    return action;
}

QMenu* AddSubmenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
    return menu;
}

QActionGroup* Group(QWidget* window, const QString& name) {
    auto* group = new QActionGroup(window);
    group->setObjectName(name);
    group->setExclusive(true);
    return group;
}

void AddSpeedItems(QMenu* menu, QActionGroup* group, const QString& suffix) {
    static constexpr std::array<std::pair<int, const char*>, 5> kSpeeds = {{
        {200, "&Very high (200 milliseconds)"},
        {500, "&High (500 milliseconds)"},
        {1000, "&Normal (1000 milliseconds)"},
        {2000, "&Low (2000 milliseconds)"},
        {5000, "V&ery low (5000 milliseconds)"},
    }};
    for (const auto& [interval, caption] : kSpeeds) {
        const QByteArray name = (QStringLiteral("pm%1").arg(interval) + suffix).toLatin1();
        QAction* item = AddItem(menu, name.constData(), caption, nullptr, true);
        item->setData(interval);
        group->addAction(item);
    }
}

// "Indicator &1", "Indicator &2" and "&Diagram" share one layout; n is 1, 2 or 3.
void AddIndicatorMenu(QWidget* window, QMenu* parent, int n, const char* caption) {
    const QString suffix = QStringLiteral("_%1").arg(n);
    QMenu* menu = AddSubmenu(parent, QStringLiteral("pmIndicator%1").arg(n).toLatin1(), caption);
    QActionGroup* measures = Group(window, QStringLiteral("gpMeasures") + suffix);
    static constexpr std::array<const char*, 4> kResources = {"&Processor", "&Operative memory",
                                                              "&Swap file", "&Virtual memory"};
    static constexpr std::array<const char*, 4> kTotals = {"pmCPU", "pmROM", "pmSwap", "pmVirt"};
    static constexpr std::array<const char*, 4> kProcessorKinds = {"&Usage, %", "&Freely, %",
                                                                   "U&sage, MHz", "Fr&eely, MHz"};
    static constexpr std::array<const char*, 4> kMemoryKinds = {"&Usage, %", "&Freely, %",
                                                                "U&sage, MB", "Fr&eely, MB"};
    for (int resource = 0; resource < 4; ++resource) {
        QMenu* sub =
            AddSubmenu(menu, (QStringLiteral("pmResource%1").arg(resource) + suffix).toLatin1(),
                       kResources[resource]);
        for (int kind = 0; kind < 4; ++kind) {
            const int measure = resource * 4 + kind + 1;
            const QByteArray name = (QStringLiteral("pm%1").arg(measure) + suffix).toLatin1();
            QAction* item =
                AddItem(sub, name.constData(),
                        resource == 0 ? kProcessorKinds[kind] : kMemoryKinds[kind], nullptr, true);
            item->setData(measure);
            measures->addAction(item);
        }
        sub->addSeparator();
        AddItem(sub, (QString::fromLatin1(kTotals[resource]) + suffix).toLatin1(), "Total")
            ->setEnabled(false);
    }
    menu->addSeparator();
    QMenu* speed =
        AddSubmenu(menu, (QStringLiteral("pmSpeed") + suffix).toLatin1(), "Sp&eed of updating");
    AddSpeedItems(speed, Group(window, QStringLiteral("gpSpeed") + suffix),
                  QStringLiteral("ms") + suffix);
    AddItem(menu, QStringLiteral("pmStop%1").arg(n).toLatin1(), "S&uspend",
            QStringLiteral("Shift+F%1").arg(n).toLatin1(), true);
    menu->addSeparator();
    AddItem(menu, (QStringLiteral("pmText") + suffix).toLatin1(), "&Text showing",
            QStringLiteral("Alt+F%1").arg(n).toLatin1(), true);
}

void AddTrayIconItems(QMenu* menu, const char* const (&names)[4], bool shortcuts) {
    static constexpr std::array<const char*, 4> kCaptions = {"&Processor", "&Operative memory",
                                                             "&Swap file", "&Virtual memory"};
    static constexpr std::array<const char*, 4> kShortcuts = {"Ctrl+A", "Ctrl+B", "Ctrl+C",
                                                              "Ctrl+D"};
    for (int i = 0; i < 4; ++i) {
        AddItem(menu, names[i], kCaptions[i], shortcuts ? kShortcuts[i] : nullptr, true)
            ->setData(i + 1);
    }
}

QMenu* BuildMainMenu(QWidget* window, MonitorMenus& menus) {
    auto* main = new QMenu(window);
    main->setObjectName(QStringLiteral("MainPopMenu"));

    QMenu* help = AddSubmenu(main, "pmHelp", "&Help");
    AddItem(help, "About", "&About", "F1");
    AddItem(help, "N15", "&Manual", "F11");
    help->addSeparator();
    AddItem(help, "N17", "Program &website");
    AddItem(help, "N22", "Technical &support");
    help->addSeparator();
    AddItem(help, "Clipboardmanager1", "&Clipboard manager");
    main->addSeparator();

    QMenu* parameters = AddSubmenu(main, "pmParameters", "&Parameters");
    AddItem(parameters, "pmInfo", "Information &hint", "F2", true);
    AddItem(parameters, "pmPop", "Always on &top", "F3", true);
    AddItem(parameters, "pmDock", "Window &docking", "F4", true);
    AddItem(parameters, "pmBolt", "&Fix a window", "F7", true);
    parameters->addSeparator();
    AddItem(parameters, "pmAutorun", "&Automatic loading", nullptr, true);
    AddItem(parameters, "pmOneCopy", "&Only one copy", nullptr, true);
    AddItem(parameters, "pmPriority", "&Low priority", nullptr, true);
    main->addSeparator();

    AddItem(main, "pmConfig", "&Settings...", "F9");
    AddItem(main, "pmRefreshOpt", "&Update settings", "F5");
    menus.events = AddSubmenu(main, "pmEvents", "&Events");
    menus.events->addSeparator();
    AddItem(menus.events, "miRefEvents", "&Update the list");
    menus.events->addSeparator();
    AddItem(menus.events, "pmEventsEdit", "&Events editor", "F6");
    main->addSeparator();

    menus.skins = AddSubmenu(main, "pmListSkins", "&Skins");
    menus.skins->addSeparator()->setObjectName(QStringLiteral("pmAfterSkin"));
    AddItem(menus.skins, "pmRandomSkin", "&Random skin", nullptr, true);
    menus.skins->addSeparator();
    AddItem(menus.skins, "pmSkinsEdit", "&Skins editor", "F8");
    menus.skinGroup = Group(window, QStringLiteral("gpSkins"));

    QMenu* trayIcons = AddSubmenu(main, "pmTrayIcons", "Tr&ay icons");
    AddTrayIconItems(trayIcons, kTrayIconItems[0], true);
    QMenu* traySpeed = AddSubmenu(trayIcons, "pmIconsSpeed", "&Speed of updating");
    AddSpeedItems(traySpeed, Group(window, QStringLiteral("gpIconsSpeed")),
                  QStringLiteral("icons"));

    QMenu* transparency = AddSubmenu(main, "pmTransparent", "&Transparency");
    QActionGroup* transparencyGroup = Group(window, QStringLiteral("gpTransparency"));
    for (int percent = 0; percent <= 90; percent += 10) {
        QAction* item = AddItem(transparency, QStringLiteral("pm%1").arg(percent).toLatin1(),
                                QStringLiteral("&%1%").arg(percent).toLatin1(), nullptr, true);
        item->setData(percent);
        transparencyGroup->addAction(item);
    }
    main->addSeparator();

    AddIndicatorMenu(window, main, 1, "Indicator &1");
    AddIndicatorMenu(window, main, 2, "Indicator &2");
    AddIndicatorMenu(window, main, 3, "&Diagram");
    main->addSeparator();

    QActionGroup* modes = Group(window, QStringLiteral("gpMode"));
    modes->addAction(AddItem(main, "pmMode2", "T&wo indicators", "Ctrl+F2", true));
    modes->addAction(AddItem(main, "pmMode1", "&One diagram", "Ctrl+F1", true));
    main->addSeparator();
    AddItem(main, "pmClose", "E&xit", "F10");
    AddItem(main, "pmMin", "&Minimize", "F12");
    return main;
}

QMenu* BuildTrayMenu(QWidget* window) {
    auto* tray = new QMenu(window);
    tray->setObjectName(QStringLiteral("TrayPopMenu"));
    AddItem(tray, "pmConfigTray", "Se&ttings...");
    AddItem(tray, "pmEventsTray", "&Events editor");
    AddItem(tray, "pmSkinsTray", "S&kins editor");
    tray->addSeparator();
    AddTrayIconItems(tray, kTrayIconItems[1], false);
    tray->addSeparator();
    AddItem(tray, "pmCloseTray", "E&xit");
    AddItem(tray, "pmMinTray", "&Minimize");
    return tray;
}

}  // namespace

MonitorMenus BuildMenus(QWidget* window) {
    MonitorMenus menus;
    menus.main = BuildMainMenu(window, menus);
    menus.tray = BuildTrayMenu(window);
    // Shortcuts act while the window has the keyboard focus, also with the menu closed.
    for (QAction* action : menus.main->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            window->addAction(action);
        }
    }
    return menus;
}

QString ItemName(const QString& base, int indicator) {
    return base + QStringLiteral("_%1").arg(indicator + 1);
}

QAction* MenuItem(const QWidget* window, const QString& name) {
    return window->findChild<QAction*>(name);
}

}  // namespace tarnwick
