#include "monitor/tray/tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QMenu>
#include <QStyleHints>

#include "data/app_icon.h"

namespace tarnwick {

namespace {

constexpr char kWatcherService[] = "org.kde.StatusNotifierWatcher";

}  // namespace

QtTrayIcon::QtTrayIcon(QObject* parent, int clickDelayMs) : TrayIcon(parent), icon_(this) {
    clickTimer_.setSingleShot(true);
    clickTimer_.setInterval(clickDelayMs >= 0
                                ? clickDelayMs
                                : QGuiApplication::styleHints()->mouseDoubleClickInterval());
    connect(&clickTimer_, &QTimer::timeout, this, &TrayIcon::LeftClicked);
    connect(&icon_, &QSystemTrayIcon::activated, this, &QtTrayIcon::OnActivated);
}

QtTrayIcon::~QtTrayIcon() {
    icon_.hide();
}

void QtTrayIcon::TrayIconAdd(const QIcon& picture, const QString& tip) {
    SetPictureAndTip(picture, tip);
    icon_.show();
}

void QtTrayIcon::TrayIconModify(const QIcon& picture, const QString& tip) {
    SetPictureAndTip(picture, tip);
}

bool QtTrayIcon::Available() const {
    return watcherName_ != nullptr ? watcherPresent_ : QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::SetMenu(QMenu& menu) {
    icon_.setContextMenu(&menu);
    // Qt makes a native (DBusMenu) copy of the menu only for a host that shows it; without
    // one, Qt's own icon would open the menu on a right click beside the monitor's.
    if (menu.platformMenu() == nullptr) {
        icon_.setContextMenu(nullptr);
        return;
    }
    // A native menu means Qt's icon is a StatusNotifierItem: a tray exists while a watcher
    // owns its name on the session bus.
    const QString service = QString::fromLatin1(kWatcherService);
    QDBusConnection bus = QDBusConnection::sessionBus();
    watcherName_ =
        new QDBusServiceWatcher(service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcherName_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                watcherPresent_ = !newOwner.isEmpty();
            });
    watcherPresent_ =
        bus.interface() != nullptr && bus.interface()->isServiceRegistered(service).value();
}

void QtTrayIcon::TrayIconDelete() {
    clickTimer_.stop();
    icon_.hide();
}

void QtTrayIcon::SetPictureAndTip(const QIcon& given, const QString& tip) {
    // A tray host shows nothing for an icon without a picture; ours stands in for one.
    const QIcon picture = given.isNull() ? AppIcon() : given;
    // The timer modifies the icon twice a second all day, mostly with the picture it already
    // shows. Handing the same picture to the tray host again costs it a redraw (and on some
    // desktops a message with all the pixels), so only real changes go out.
    const qint64 key = picture.cacheKey();
    if (!hasPicture_ || key != pictureKey_) {
        icon_.setIcon(picture);
        pictureKey_ = key;
        hasPicture_ = true;
    }
    if (icon_.toolTip() != tip) {
        icon_.setToolTip(tip);
    }
}

void QtTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            if (clickTimer_.isActive()) {
                clickTimer_.stop();
                emit DoubleClicked();
            } else {
                clickTimer_.start();
            }
            break;
        case QSystemTrayIcon::DoubleClick:
            clickTimer_.stop();
            emit DoubleClicked();
            break;
        case QSystemTrayIcon::MiddleClick:
            clickTimer_.stop();
            emit MiddleClicked();
            break;
        case QSystemTrayIcon::Context:
            clickTimer_.stop();
            emit RightClicked();
            break;
        default:
            break;
    }
}

}  // namespace tarnwick
