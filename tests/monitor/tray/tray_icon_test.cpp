#include "monitor/tray/tray_icon.h"

#include "monitor/tray/tray_pictures.h"

#include <QEventLoop>
#include <QImage>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the icon tells the window, as text: "click", "double", "middle", "right".
class Heard {
public:
    explicit Heard(TrayIcon& icon) {
        QObject::connect(&icon, &TrayIcon::LeftClicked, [this] { text += "click "; });
        QObject::connect(&icon, &TrayIcon::DoubleClicked, [this] { text += "double "; });
        QObject::connect(&icon, &TrayIcon::MiddleClicked, [this] { text += "middle "; });
        QObject::connect(&icon, &TrayIcon::RightClicked, [this] { text += "right "; });
    }
    std::string text;
};

// Qt here (offscreen) makes no native menus, as on an XEmbed tray: the icon then keeps no
// context menu, since Qt would open it on a right click beside the one the window opens.
TEST(QtTrayIcon, EachMouseGestureReachesTheWindowOnce) {
    QtTrayIcon icon(nullptr, 30);
    QMenu menu;
    icon.SetMenu(menu);
    Heard heard(icon);
    const auto host = [&](QSystemTrayIcon::ActivationReason reason) {
        emit icon.SystemTrayIcon().activated(reason);
    };

    host(QSystemTrayIcon::Trigger);
    EXPECT_EQ(heard.text, "");  // held back: it may still become a double click
    Wait(100);
    host(QSystemTrayIcon::Trigger);
    host(QSystemTrayIcon::DoubleClick);
    host(QSystemTrayIcon::Context);
    host(QSystemTrayIcon::MiddleClick);
    Wait(100);
    EXPECT_EQ(heard.text, "click double right middle ");
    EXPECT_EQ(icon.SystemTrayIcon().contextMenu(), nullptr);
}

// An XEmbed tray tells a double click as Trigger and DoubleClick; a StatusNotifier host sends
// one Activate per click, which Qt passes on as two Triggers.
TEST(QtTrayIcon, AClickThatBecomesADoubleClickIsNoClick) {
    for (const auto second : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Trigger}) {
        QtTrayIcon icon(nullptr, 30);
        Heard heard(icon);
        emit icon.SystemTrayIcon().activated(QSystemTrayIcon::Trigger);
        emit icon.SystemTrayIcon().activated(second);
        Wait(100);  // nothing after it: the held-back click must not come late
        EXPECT_EQ(heard.text, "double ") << second;
    }
}

TEST(QtTrayIcon, AnIconWithoutAPictureShowsTheProgramsIcon) {
    QtTrayIcon icon;
    icon.TrayIconAdd(QIcon(), QStringLiteral("Processor usage"));
    const QImage shown = icon.SystemTrayIcon().icon().pixmap(16, 16).toImage();
    ASSERT_FALSE(shown.isNull());
    int opaque = 0;  // a picture, not a blank square
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            opaque += qAlpha(shown.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 16 * 16 / 4);
}

TEST(QtTrayIcon, AddModifyAndDeleteReachTheSystemIcon) {
    const TrayPictures pictures = BuildTrayPictures(BuiltInTrayStrip());
    QtTrayIcon icon;
    QSystemTrayIcon& system = icon.SystemTrayIcon();

    icon.TrayIconModify(pictures[5], QStringLiteral("Swap file usage"));
    EXPECT_FALSE(system.isVisible());  // never added: nothing shows

    icon.TrayIconAdd(pictures[0], QStringLiteral("Processor usage"));
    EXPECT_TRUE(system.isVisible());
    EXPECT_EQ(system.icon().cacheKey(), pictures[0].cacheKey());
    EXPECT_EQ(system.toolTip(), QStringLiteral("Processor usage"));

    icon.TrayIconModify(pictures[0], QStringLiteral("Processor usage"));
    icon.TrayIconModify(pictures[64], QStringLiteral("Virtual memory usage"));
    EXPECT_EQ(system.icon().cacheKey(), pictures[64].cacheKey());
    EXPECT_EQ(system.toolTip(), QStringLiteral("Virtual memory usage"));

    icon.TrayIconDelete();
    EXPECT_FALSE(system.isVisible());
}

}  // namespace
}  // namespace tarnwick
