#include "monitor/window/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

#include "common/texts.h"

namespace tarnwick {

namespace {

// Makes the items of one window's menus; items with a shortcut also go to the window. Its
// tr() is the context of the menus' texts.
class MenuBuilder {
    Q_DECLARE_TR_FUNCTIONS(MonitorMenu)

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
    QAction* Item(QMenu* menu, const char* name, const QString& caption,
                  const char* shortcut = nullptr, bool checkable = false) {
        return Item(menu, QString::fromLatin1(name), caption, shortcut, checkable);
    }
    QAction* Check(QMenu* menu, const char* name, const QString& caption,
                   const char* shortcut = nullptr) {
        return Item(menu, name, caption, shortcut, true);
    }

    static QMenu* Submenu(QMenu* parent, const QString& name, const QString& caption) {
        QMenu* menu = parent->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name + QStringLiteral("Item"));
        return menu;
    }
    static QMenu* Submenu(QMenu* parent, const char* name, const QString& caption) {
        return Submenu(parent, QString::fromLatin1(name), caption);
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
            QT_TRANSLATE_NOOP("MonitorMenu", "&Very high (200 milliseconds)"),
            QT_TRANSLATE_NOOP("MonitorMenu", "&High (500 milliseconds)"),
            QT_TRANSLATE_NOOP("MonitorMenu", "&Normal (1000 milliseconds)"),
            QT_TRANSLATE_NOOP("MonitorMenu", "&Low (2000 milliseconds)"),
            QT_TRANSLATE_NOOP("MonitorMenu", "V&ery low (5000 milliseconds)")};
        for (std::size_t i = 0; i < kSpeedIntervals.size(); ++i) {
            const int interval = kSpeedIntervals[i];
            items[i] = Item(menu, QStringLiteral("pm%1").arg(interval) + suffix, tr(kCaptions[i]),
                            nullptr, true);
            items[i]->setData(interval);
            group->addAction(items[i]);
        }
    }

    // "Indicator &1", "Indicator &2" and "&Diagram" share one layout; n is 1, 2 or 3.
    void IndicatorMenu(QMenu* parent, int n, const QString& caption, IndicatorItems& items) {
        static constexpr std::array<const char*, 4> kTotals = {"pmCPU", "pmROM", "pmSwap",
                                                               "pmVirt"};
        const QString suffix = QStringLiteral("_%1").arg(n);
        items.menu = Submenu(parent, QStringLiteral("pmIndicator%1").arg(n), caption);
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
            items.total[r] = Item(sub, QString::fromLatin1(kTotals[r]) + suffix, tr("Total"));
            items.total[r]->setEnabled(false);
        }
        items.menu->addSeparator();
        QMenu* speed =
            Submenu(items.menu, QStringLiteral("pmSpeed") + suffix, tr("Sp&eed of updating"));
        items.speeds = Group(QStringLiteral("gpSpeed") + suffix);
        SpeedItems(speed, items.speeds, QStringLiteral("ms") + suffix, items.speed);
        const QByteArray stopKey = QStringLiteral("Shift+F%1").arg(n).toLatin1();
        items.stop = Item(items.menu, QStringLiteral("pmStop%1").arg(n), tr("S&uspend"),
                          stopKey.constData(), true);
        items.menu->addSeparator();
        const QByteArray textKey = QStringLiteral("Alt+F%1").arg(n).toLatin1();
        items.text = Item(items.menu, QStringLiteral("pmText") + suffix, tr("&Text showing"),
                          textKey.constData(), true);
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

    // The two menus, whose items go into m.
    QMenu* MainMenu(MonitorMenus& m);
    QMenu* TrayMenu(MonitorMenus& m);

private:
    QWidget* window_;
};

QMenu* MenuBuilder::MainMenu(MonitorMenus& m) {
    auto* main = new QMenu(window_);
    main->setObjectName(QStringLiteral("MainPopMenu"));

    QMenu* help = Submenu(main, "pmHelp", tr("&Help"));
    m.about = Item(help, "About", tr("&About"), "F1");
    m.manual = Item(help, "N15", tr("&Manual"), "F11");
    help->addSeparator();
    m.website = Item(help, "N17", tr("Program &website"));
    m.support = Item(help, "N22", tr("Technical &support"));
    help->addSeparator();
    m.clipboardManager = Item(help, "Clipboardmanager1", tr("&Clipboard manager"));
    main->addSeparator();

    QMenu* parameters = Submenu(main, "pmParameters", tr("&Parameters"));
    m.info = Check(parameters, "pmInfo", tr("Information &hint"), "F2");
    m.pop = Check(parameters, "pmPop", tr("Always on &top"), "F3");
    m.dock = Check(parameters, "pmDock", tr("Window &docking"), "F4");
    m.bolt = Check(parameters, "pmBolt", tr("&Fix a window"), "F7");
    parameters->addSeparator();
    m.autorun = Check(parameters, "pmAutorun", tr("&Automatic loading"));
    m.oneCopy = Check(parameters, "pmOneCopy", tr("&Only one copy"));
    m.priority = Check(parameters, "pmPriority", tr("&Low priority"));
    main->addSeparator();

    m.config = Item(main, "pmConfig", tr("&Settings..."), "F9");
    m.refreshOpt = Item(main, "pmRefreshOpt", tr("&Update settings"), "F5");
    m.events = Submenu(main, "pmEvents", tr("&Events"));
    m.events->addSeparator();
    m.refEvents = Item(m.events, "miRefEvents", tr("&Update the list"));
    m.events->addSeparator();
    m.eventsEdit = Item(m.events, "pmEventsEdit", tr("&Events editor"), "F6");
    main->addSeparator();

    m.skins = Submenu(main, "pmListSkins", tr("&Skins"));
    m.afterSkin = m.skins->addSeparator();
    m.afterSkin->setObjectName(QStringLiteral("pmAfterSkin"));
    m.randomSkin = Check(m.skins, "pmRandomSkin", tr("&Random skin"));
    m.skins->addSeparator();
    m.skinsEdit = Item(m.skins, "pmSkinsEdit", tr("&Skins editor"), "F8");
    m.skinGroup = Group(QStringLiteral("gpSkins"));

    QMenu* trayIcons = Submenu(main, "pmTrayIcons", tr("Tr&ay icons"));
    m.trayIcons = Group(QStringLiteral("gpTrayIcons"), /*exclusive=*/false);
    TrayIconItems(trayIcons, {"pmIcon1", "pmIcon2", "pmIcon3", "pmIcon4"}, true, m.trayIcons,
                  m.trayIcon);
    QMenu* traySpeed = Submenu(trayIcons, "pmIconsSpeed", tr("&Speed of updating"));
    m.iconsSpeeds = Group(QStringLiteral("gpIconsSpeed"));
    SpeedItems(traySpeed, m.iconsSpeeds, QStringLiteral("icons"), m.iconsSpeed);

    m.transparentMenu = Submenu(main, "pmTransparent", tr("&Transparency"));
    m.transparencies = Group(QStringLiteral("gpTransparency"));
    for (int step = 0; step < kTransparencySteps; ++step) {
        const int percent = step * 10;
        QAction* item = Item(m.transparentMenu, QStringLiteral("pm%1").arg(percent),
                             QStringLiteral("&%1%").arg(percent), nullptr, true);
        item->setData(percent);
        m.transparencies->addAction(item);
        m.transparency[step] = item;
    }
    main->addSeparator();

    IndicatorMenu(main, 1, tr("Indicator &1"), m.indicators[0]);
    IndicatorMenu(main, 2, tr("Indicator &2"), m.indicators[1]);
    IndicatorMenu(main, 3, tr("&Diagram"), m.indicators[2]);
    main->addSeparator();

    m.modes = Group(QStringLiteral("gpMode"));
    m.mode2 = Check(main, "pmMode2", tr("T&wo indicators"), "Ctrl+F2");
    m.mode2->setData(QVariant::fromValue(DisplayMode::TwoIndicators));
    m.modes->addAction(m.mode2);
    m.mode1 = Check(main, "pmMode1", tr("&One diagram"), "Ctrl+F1");
    m.mode1->setData(QVariant::fromValue(DisplayMode::OneDiagram));
    m.modes->addAction(m.mode1);
    main->addSeparator();
    m.close = Item(main, "pmClose", tr("E&xit"), "F10");
    m.min = Item(main, "pmMin", tr("&Minimize"), "F12");
    return main;
}

QMenu* MenuBuilder::TrayMenu(MonitorMenus& m) {
    auto* tray = new QMenu(window_);
    tray->setObjectName(QStringLiteral("TrayPopMenu"));
    m.configTray = Item(tray, "pmConfigTray", tr("Se&ttings..."));
    m.eventsTray = Item(tray, "pmEventsTray", tr("&Events editor"));
    m.skinsTray = Item(tray, "pmSkinsTray", tr("S&kins editor"));
    tray->addSeparator();
    TrayIconItems(tray, {"pmIcon1Tray", "PmIcon2Tray", "pmIcon3Tray", "pmIcon4Tray"}, false,
                  m.trayIcons, m.trayIconTray);
    tray->addSeparator();
    m.closeTray = Item(tray, "pmCloseTray", tr("E&xit"));
    m.minTray = Item(tray, "pmMinTray", tr("&Minimize"));
    return tray;
}

}  // namespace

MonitorMenus BuildMenus(QWidget* window) {
    MonitorMenus menus;
    MenuBuilder builder(window);
    menus.main = builder.MainMenu(menus);
    menus.tray = builder.TrayMenu(menus);
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
