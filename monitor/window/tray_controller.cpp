#include "monitor/window/tray_controller.h"

#include "monitor/tick_memory.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

#include <optional>

#include "monitor/tray/tray_icon.h"
#include "monitor/tray/tray_value.h"

namespace tarnwick {

namespace {

// Asking whether a tray host runs is cheap (no allocation on X11, offscreen or where the icon
// watches a StatusNotifierWatcher); every two seconds nobody waits long for the icon of a
// panel that has just started.
constexpr int kTrayWatchMs = 2000;

}  // namespace

TrayController::TrayController(TrayIcon& icon, const Settings& options, QWidget& window,
                               QMenu& trayMenu, QMenu& mainMenu)
    : icon_(icon), options_(options), window_(window) {
    IconsTimer_.setObjectName(QStringLiteral("IconsTimer"));
    connect(&IconsTimer_, &QTimer::timeout, this, &TrayController::IconsTimerTimer);
    TrayWatchTimer_.setObjectName(QStringLiteral("TrayWatchTimer"));
    TrayWatchTimer_.setInterval(kTrayWatchMs);
    connect(&TrayWatchTimer_, &QTimer::timeout, this, &TrayController::CheckAvailability);
    connect(&icon_, &TrayIcon::LeftClicked, this, [this, &trayMenu] {
        window_.activateWindow();
        trayMenu.popup(QCursor::pos());
    });
    connect(&icon_, &TrayIcon::RightClicked, this, [this, &mainMenu] {
        window_.activateWindow();
        mainMenu.popup(QCursor::pos());
    });
    connect(&icon_, &TrayIcon::DoubleClicked, this, &TrayController::DoubleClicked);
    connect(&icon_, &TrayIcon::MiddleClicked, this, &TrayController::DoubleClicked);
    icon_.SetMenu(mainMenu);
}

void TrayController::WatchAvailability() {
    available_ = icon_.Available();
    TrayWatchTimer_.start();
}

void TrayController::CheckAvailability() {
    const bool now = icon_.Available();
    if (now == available_) {
        return;
    }
    available_ = now;
    if (now && Showing()) {
        // The new host knows nothing of an icon shown before it came: show it anew.
        icon_.TrayIconDelete();
        icon_.TrayIconAdd(Pictures()[0], TrayTip(shown_));
    }
    emit AvailabilityChanged(now);
}

void TrayController::SetPictures(const QImage& strip) {
    pictures_ = TrayPictures();
    pendingStrip_ = strip;
    picturesPending_ = true;
}

const TrayPictures& TrayController::Pictures() {
    if (picturesPending_) {
        pictures_ = BuildTrayPictures(pendingStrip_);
        pendingStrip_ = QImage();
        picturesPending_ = false;
    }
    return pictures_;
}

void TrayController::TrayIconAdd(TrayMeasure tray) {
    icon_.TrayIconAdd(Pictures()[0], TrayTip(tray));
    shown_ = tray;
}

void TrayController::TrayIconModify(TrayMeasure tray) {
    icon_.TrayIconModify(Pictures()[0], TrayTip(tray));
    shown_ = tray;
}

void TrayController::TrayIconDelete() {
    icon_.TrayIconDelete();
    shown_ = TrayMeasure::None;
}

void TrayController::ShowMeasure(TrayMeasure tray) {
    const bool wanted = tray != TrayMeasure::None;
    if (Showing() && !wanted) {
        TrayIconDelete();
    } else if (!Showing() && wanted) {
        TrayIconAdd(tray);
    } else if (Showing() && tray != shown_) {
        TrayIconModify(tray);
    }
}

void TrayController::IconsTimerTimer() {
    const TrayMeasure tray = options_.Tray();
    if (tray == TrayMeasure::None) {
        return;
    }
    std::optional<TickMemoryFigures::Reading> reading;
    if (tickMemory_ != nullptr) {
        reading.emplace(*tickMemory_, kTrayReader);
    }
    ShowTrayValue(icon_, Pictures(), TrayValue(tray, *measures_), TrayTip(tray));
}

}  // namespace tarnwick
