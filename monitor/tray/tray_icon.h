#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

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

signals:
    // The mouse on the icon: a click (opens the short menu), a double click (hides or shows
    // the window) and a right click (opens the full menu). The window opens its menus at the
    // cursor itself.
    void LeftClicked();
    void DoubleClicked();
    void RightClicked();
};

// The icon on the desktop through QSystemTrayIcon.
//
// A double click arrives as a Trigger followed by a DoubleClick, so a Trigger is held back for
// the double-click interval and dropped when the DoubleClick comes within it: a double click
// then only hides or shows the window and never opens the short menu as well. The icon gets no
// context menu of its own; Context is passed on as a right click.
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

    // The icon underneath, for tests that play the tray host.
    QSystemTrayIcon& SystemTrayIcon() { return icon_; }

private:
    void SetPictureAndTip(const QIcon& picture, const QString& tip);
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon icon_;
    QTimer clickTimer_;
    qint64 pictureKey_ = 0;
    bool hasPicture_ = false;
};

}  // namespace tarnwick
