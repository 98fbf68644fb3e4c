#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

class QDBusServiceWatcher;
class QMenu;

namespace tarnwick {

// The one icon of the monitor in the notification area. The window talks only to this
// interface, so its tests can use a recording stand-in where no tray host runs.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayIcon() override = default;

    // Puts the icon into the notification area with a picture and a tip (the tip holds only
    // the text, never the number).
    virtual void TrayIconAdd(const QIcon& picture, const QString& tip) = 0;
    // Changes picture and tip of the icon; an icon that was never added stays away.
    virtual void TrayIconModify(const QIcon& picture, const QString& tip) = 0;
    // Takes the icon out of the notification area.
    virtual void TrayIconDelete() = 0;
    // Whether a tray host shows icons now. Many desktops have none, and one can come later.
    virtual bool Available() const { return true; }
    // The full menu, for a tray host that shows an icon's menu itself (a StatusNotifier host
    // opens it on a right click). Set once, before the icon is first added.
    virtual void SetMenu(QMenu& menu) { Q_UNUSED(menu) }

signals:
    // The mouse on the icon: a click (opens the short menu), a double click and a middle
    // click (hide or show the window), and a right click that the host leaves to the monitor
    // (opens the full menu). The window opens its menus at the cursor itself.
    void LeftClicked();
    void DoubleClicked();
    void MiddleClicked();
    void RightClicked();
};

// The icon on the desktop through QSystemTrayIcon, which is an XEmbed tray icon or, where a
// StatusNotifierWatcher runs on the session bus, a StatusNotifierItem.
//
// A double click arrives as a Trigger followed by a DoubleClick on an XEmbed tray, and as two
// Triggers (two Activate calls) from a StatusNotifier host that tells no double click. So a
// Trigger is held back for the double-click interval, and a DoubleClick or a second Trigger
// within it makes a double click: it then only hides or shows the window and never opens the
// short menu as well. A StatusNotifier host's middle click (SecondaryActivate) arrives as
// MiddleClick.
//
// The full menu becomes the icon's context menu only where Qt exports it to the host
// (DBusMenu): the host then opens it on a right click, with its live check marks. On an XEmbed
// tray Qt would pop the menu up itself, so there the icon keeps none, and Context, as from a
// StatusNotifier host without DBusMenu, is passed on as a right click.
//
// Qt answers whether a tray exists with a new session bus connection each time it is asked
// where its icon is a StatusNotifierItem. So there the icon watches the bus name of the
// StatusNotifierWatcher instead, and Available() only reads what it last heard.
class QtTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    // clickDelayMs < 0 takes the desktop's double-click interval.
    explicit QtTrayIcon(QObject* parent = nullptr, int clickDelayMs = -1);
    ~QtTrayIcon() override;

    void TrayIconAdd(const QIcon& picture, const QString& tip) override;
    void TrayIconModify(const QIcon& picture, const QString& tip) override;
    void TrayIconDelete() override;
    bool Available() const override;
    void SetMenu(QMenu& menu) override;

    // The icon underneath, for tests that play the tray host.
    QSystemTrayIcon& SystemTrayIcon() { return icon_; }

private:
    void SetPictureAndTip(const QIcon& picture, const QString& tip);
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon icon_;
    QDBusServiceWatcher* watcherName_ = nullptr;  // only for a StatusNotifierItem
    bool watcherPresent_ = false;
    QTimer clickTimer_;
    qint64 pictureKey_ = 0;
    bool hasPicture_ = false;
};

}  // namespace tarnwick
