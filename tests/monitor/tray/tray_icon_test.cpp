#include "monitor/tray/tray_icon.h"

#include "monitor/tray/tray_pictures.h"

#include <QEventLoop>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(QtTrayIcon, EachMouseGestureReachesTheWindowOnce) {
    QtTrayIcon icon(nullptr, 30);
    std::string heard;
    QObject::connect(&icon, &TrayIcon::LeftClicked, [&] { heard += "click "; });
    QObject::connect(&icon, &TrayIcon::DoubleClicked, [&] { heard += "double "; });
    QObject::connect(&icon, &TrayIcon::RightClicked, [&] { heard += "right "; });
    const auto host = [&](QSystemTrayIcon::ActivationReason reason) {
        emit icon.SystemTrayIcon().activated(reason);
    };

    host(QSystemTrayIcon::Trigger);
    EXPECT_EQ(heard, "");  // held back: it may still become a double click
    Wait(100);
    host(QSystemTrayIcon::Trigger);
    host(QSystemTrayIcon::DoubleClick);
    host(QSystemTrayIcon::Context);
    host(QSystemTrayIcon::MiddleClick);
    Wait(100);
    EXPECT_EQ(heard, "click double right ");
    EXPECT_EQ(icon.SystemTrayIcon().contextMenu(), nullptr);
}

TEST(QtTrayIcon, AClickThatBecomesADoubleClickIsNoClick) {
    QtTrayIcon icon(nullptr, 30);
    std::string heard;
    QObject::connect(&icon, &TrayIcon::LeftClicked, [&] { heard += "click "; });
    QObject::connect(&icon, &TrayIcon::DoubleClicked, [&] { heard += "double "; });
    emit icon.SystemTrayIcon().activated(QSystemTrayIcon::Trigger);
    emit icon.SystemTrayIcon().activated(QSystemTrayIcon::DoubleClick);
    Wait(100);  // nothing after it: the held-back click must not come late
    EXPECT_EQ(heard, "double ");
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
