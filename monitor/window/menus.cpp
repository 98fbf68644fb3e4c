#include "monitor/window/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include "common/texts.h"

namespace tarnwick {

namespace {

// Makes the items of one window's menus; items with a shortcut also go to the window.
class MenuBuilder {
public:
    explicit MenuBuilder(QWidget* window) : window_(window) {}

    QAction* Item(QMenu* menu, const QString& name, const QString& caption,
                  const char* shortcut = nullptr, bool checkable = false) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(checkable);
        if (shortcut != nullptr) {
            action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
            window_->addAction(action);
        }
        return action;
    }
    QAction* Item(QMenu* menu, const char* name, const char* caption,
                  const char* shortcut = nullptr, bool checkable = false) {
        return Item(menu, QString::fromLatin1(name), QString::fromUtf8(caption), shortcut,
                    checkable);
    }
    QAction* Check(QMenu* menu, const char* name, const char* caption,
                   const char* shortcut = nullptr) {
        return Item(menu, name, caption, shortcut, true);
    }

    static QMenu* Submenu(QMenu* parent, const QString& name, const QString& caption) {
        QMenu* menu = parent->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name + QStringLiteral("Item"));
        return menu;
    }
    static QMenu* Submenu(QMenu* parent, const char* name, const char* caption) {
        return Submenu(parent, QString::fromLatin1(name), QString::fromUtf8(caption));
    }

    QActionGroup* Group(const QString& name, bool exclusive = true) {
        auto* group = new QActionGroup(window_);
        group->setObjectName(name);
        group->setExclusionPolicy(exclusive ? QActionGroup::ExclusionPolicy::Exclusive
                                            : QActionGroup::ExclusionPolicy::None);
        return group;
    }

    // The five speeds of updating, named pm<interval><suffix>.
    void SpeedItems(QMenu* menu, QActionGroup* group, const QString& suffix,
                    std::array<QAction*, 5>& items) {
        static constexpr std::array<const char*, 5> kCaptions = {
            "&Very high (200 milliseconds)", "&High (500 milliseconds)",
            "&Normal (1000 milliseconds)", "&Low (2000 milliseconds)",
            "V&ery low (5000 milliseconds)"};
        for (std::size_t i = 0; i < kSpeedIntervals.size(); ++i) {
            const int interval = kSpeedIntervals[i];
            items[i] = Item(menu, QStringLiteral("pm%1").arg(interval) + suffix,
                            QString::fromUtf8(kCaptions[i]), nullptr, true);
            items[i]->setData(interval);
            group->addAction(items[i]);
        }
    }

    // "Indicator &1", "Indicator &2" and "&Diagram" share one layout; n is 1, 2 or 3.
    void IndicatorMenu(QMenu* parent, int n, const char* caption, IndicatorItems& items) {
        static constexpr std::array<const char*, 4> kTotals = {"pmCPU", "pmROM", "pmSwap",
                                                               "pmVirt"};
        const QString suffix = QStringLiteral("_%1").arg(n);
        items.menu =
            Submenu(parent, QStringLiteral("pmIndicator%1").arg(n), QString::fromUtf8(caption));
        items.measures = Group(QStringLiteral("gpMeasures") + suffix);
        for (const Resource resource : kResources) {
            const std::size_t r = IndexOf(resource);
            QMenu* sub = Submenu(items.menu, QStringLiteral("pmResource%1").arg(r) + suffix,
                                 ResourceCaption(resource));
            for (const MeasureKind kind : kMeasureKinds) {
                const Measure measure{resource, kind};
                QAction* item = Item(sub, QStringLiteral("pm%1").arg(NumberOf(measure)) + suffix,
                                     MeasureKindCaption(measure), nullptr, true);
                item->setData(QVariant::fromValue(measure));
                items.measures->addAction(item);
                items.measure[measure.Index()] = item;
            }
            sub->addSeparator();
            items.total[r] =
                Item(sub, QString::fromLatin1(kTotals[r]) + suffix, QStringLiteral("Total"));
            items.total[r]->setEnabled(false);
        }
        items.menu->addSeparator();
        QMenu* speed = Submenu(items.menu, QStringLiteral("pmSpeed") + suffix,
                               QStringLiteral("Sp&eed of updating"));
        items.speeds = Group(QStringLiteral("gpSpeed") + suffix);
        SpeedItems(speed, items.speeds, QStringLiteral("ms") + suffix, items.speed);
        const QByteArray stopKey = QStringLiteral("Shift+F%1").arg(n).toLatin1();
        items.stop = Item(items.menu, QStringLiteral("pmStop%1").arg(n), QStringLiteral("S&uspend"),
                          stopKey.constData(), true);
        items.menu->addSeparator();
        const QByteArray textKey = QStringLiteral("Alt+F%1").arg(n).toLatin1();
        items.text = Item(items.menu, QStringLiteral("pmText") + suffix,
                          QStringLiteral("&Text showing"), textKey.constData(), true);
    }

    void TrayIconItems(QMenu* menu, const std::array<const char*, 4>& names, bool shortcuts,
                       QActionGroup* group, std::array<QAction*, 4>& items) {
        static constexpr std::array<const char*, 4> kShortcuts = {"Ctrl+A", "Ctrl+B", "Ctrl+C",
                                                                  "Ctrl+D"};
        for (const Resource resource : kResources) {
            const std::size_t i = IndexOf(resource);
            items[i] = Item(menu, QString::fromLatin1(names[i]), ResourceCaption(resource),
                            shortcuts ? kShortcuts[i] : nullptr, true);
            items[i]->setData(QVariant::fromValue(TrayMeasureOf(resource)));
            group->addAction(items[i]);
        }
    }

private:
    QWidget* window_;
};

QMenu* BuildMainMenu(MenuBuilder& b, QWidget* window, MonitorMenus& m) {
    auto* main = new QMenu(window);
    main->setObjectName(QStringLiteral("MainPopMenu"));

    QMenu* help = MenuBuilder::Submenu(main, "pmHelp", "&Help");
    m.about = b.Item(help, "About", "&About", "F1");
    m.manual = b.Item(help, "N15", "&Manual", "F11");
    help->addSeparator();
    m.website = b.Item(help, "N17", "Program &website");
    m.support = b.Item(help, "N22", "Technical &support");
    help->addSeparator();
    m.clipboardManager = b.Item(help, "Clipboardmanager1", "&Clipboard manager");
    main->addSeparator();

    QMenu* parameters = MenuBuilder::Submenu(main, "pmParameters", "&Parameters");
    m.info = b.Check(parameters, "pmInfo", "Information &hint", "F2");
    m.pop = b.Check(parameters, "pmPop", "Always on &top", "F3");
    m.dock = b.Check(parameters, "pmDock", "Window &docking", "F4");
    m.bolt = b.Check(parameters, "pmBolt", "&Fix a window", "F7");
    parameters->addSeparator();
    m.autorun = b.Check(parameters, "pmAutorun", "&Automatic loading");
    m.oneCopy = b.Check(parameters, "pmOneCopy", "&Only one copy");
    m.priority = b.Check(parameters, "pmPriority", "&Low priority");
    main->addSeparator();

    m.config = b.Item(main, "pmConfig", "&Settings...", "F9");
    m.refreshOpt = b.Item(main, "pmRefreshOpt", "&Update settings", "F5");
    m.events = MenuBuilder::Submenu(main, "pmEvents", "&Events");
    m.events->addSeparator();
    m.refEvents = b.Item(m.events, "miRefEvents", "&Update the list");
    m.events->addSeparator();
    m.eventsEdit = b.Item(m.events, "pmEventsEdit", "&Events editor", "F6");
    main->addSeparator();

    m.skins = MenuBuilder::Submenu(main, "pmListSkins", "&Skins");
    m.afterSkin = m.skins->addSeparator();
    m.afterSkin->setObjectName(QStringLiteral("pmAfterSkin"));
    m.randomSkin = b.Check(m.skins, "pmRandomSkin", "&Random skin");
    m.skins->addSeparator();
    m.skinsEdit = b.Item(m.skins, "pmSkinsEdit", "&Skins editor", "F8");
    m.skinGroup = b.Group(QStringLiteral("gpSkins"));

    QMenu* trayIcons = MenuBuilder::Submenu(main, "pmTrayIcons", "Tr&ay icons");
    m.trayIcons = b.Group(QStringLiteral("gpTrayIcons"), /*exclusive=*/false);
    b.TrayIconItems(trayIcons, {"pmIcon1", "pmIcon2", "pmIcon3", "pmIcon4"}, true, m.trayIcons,
                    m.trayIcon);
    QMenu* traySpeed = MenuBuilder::Submenu(trayIcons, "pmIconsSpeed", "&Speed of updating");
    m.iconsSpeeds = b.Group(QStringLiteral("gpIconsSpeed"));
    b.SpeedItems(traySpeed, m.iconsSpeeds, QStringLiteral("icons"), m.iconsSpeed);

    m.transparentMenu = MenuBuilder::Submenu(main, "pmTransparent", "&Transparency");
    m.transparencies = b.Group(QStringLiteral("gpTransparency"));
    for (int step = 0; step < kTransparencySteps; ++step) {
        const int percent = step * 10;
        QAction* item = b.Item(m.transparentMenu, QStringLiteral("pm%1").arg(percent),
                               QStringLiteral("&%1%").arg(percent), nullptr, true);
        item->setData(percent);
        m.transparencies->addAction(item);
        m.transparency[step] = item;
    }
    main->addSeparator();

    b.IndicatorMenu(main, 1, "Indicator &1", m.indicators[0]);
    b.IndicatorMenu(main, 2, "Indicator &2", m.indicators[1]);
    b.IndicatorMenu(main, 3, "&Diagram", m.indicators[2]);
    main->addSeparator();

    m.modes = b.Group(QStringLiteral("gpMode"));
    m.mode2 = b.Check(main, "pmMode2", "T&wo indicators", "Ctrl+F2");
    m.mode2->setData(QVariant::fromValue(DisplayMode::TwoIndicators));
    m.modes->addAction(m.mode2);
    m.mode1 = b.Check(main, "pmMode1", "&One diagram", "Ctrl+F1");
    m.mode1->setData(QVariant::fromValue(DisplayMode::OneDiagram));
    m.modes->addAction(m.mode1);
    main->addSeparator();
    m.close = b.Item(main, "pmClose", "E&xit", "F10");
    m.min = b.Item(main, "pmMin", "&Minimize", "F12");
    return main;
}

QMenu* BuildTrayMenu(MenuBuilder& b, QWidget* window, MonitorMenus& m) {
    auto* tray = new QMenu(window);
    tray->setObjectName(QStringLiteral("TrayPopMenu"));
    m.configTray = b.Item(tray, "pmConfigTray", "Se&ttings...");
    m.eventsTray = b.Item(tray, "pmEventsTray", "&Events editor");
    m.skinsTray = b.Item(tray, "pmSkinsTray", "S&kins editor");
    tray->addSeparator();
    b.TrayIconItems(tray, {"pmIcon1Tray", "PmIcon2Tray", "pmIcon3Tray", "pmIcon4Tray"}, false,
                    m.trayIcons, m.trayIconTray);
    tray->addSeparator();
    m.closeTray = b.Item(tray, "pmCloseTray", "E&xit");
    m.minTray = b.Item(tray, "pmMinTray", "&Minimize");
    return tray;
}

}  // namespace

MonitorMenus BuildMenus(QWidget* window) {
    MonitorMenus menus;
    MenuBuilder builder(window);
    menus.main = BuildMainMenu(builder, window, menus);
    menus.tray = BuildTrayMenu(builder, window, menus);
    // An unavailable item tells why in its tool tip ("&Minimize" without a tray host).
    menus.main->setToolTipsVisible(true);
    menus.tray->setToolTipsVisible(true);
    return menus;
}

int SpeedIndex(int interval) {
    for (std::size_t i = 0; i < kSpeedIntervals.size(); ++i) {
        if (kSpeedIntervals[i] == interval) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace tarnwick
