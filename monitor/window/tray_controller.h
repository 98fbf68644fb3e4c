#pragma once

#include <QObject>
#include <QTimer>

#include "common/settings.h"
#include "monitor/tray/tray_pictures.h"

class QMenu;
class QWidget;

namespace tarnwick {

class Measures;
class TickMemoryFigures;
class TrayIcon;

// The window's tray icon: which measure the icon shows (none at first), its 101
// number pictures from the skin, the IconsTimer that puts the current value on it, and its
// mouse: a click opens the short menu, a right click the full one (which the icon also hands
// to a tray host that shows menus itself), a double click or a middle click is passed on to
// the window (the icon itself holds a click back for the double-click interval).
// It reads the measure to show from the window's settings record.
class TrayController : public QObject {
    Q_OBJECT
public:
    TrayController(TrayIcon& icon, const Settings& options, QWidget& window, QMenu& trayMenu,
                   QMenu& mainMenu);

    // Set once the sampler exists, before the timer starts.
    // The measures, and the memory figures they read, which the icon's ticks share with the
    // other timers of the same wake-up (as reader kTrayReader).
    void SetMeasures(Measures* measures, TickMemoryFigures* tickMemory = nullptr) {
        measures_ = measures;
        tickMemory_ = tickMemory;
    }
    static constexpr int kTrayReader = 3;
    // The pictures of a new skin; the icon takes them at its next tick. They are cut from the
    // strip when the icon first needs one, so a monitor without a tray icon never holds them.
    void SetPictures(const QImage& strip);

    void TrayIconAdd(TrayMeasure tray);
    void TrayIconModify(TrayMeasure tray);
    void TrayIconDelete();
    // Brings the icon from whatever it shows now to tray; none takes it away.
    void ShowMeasure(TrayMeasure tray);
    bool Showing() const { return shown_ != TrayMeasure::None; }
    // The same two by the number `icons` stores (0 none, 1..4).
    void ShowMeasure(int number) { ShowMeasure(TrayMeasureFromNumber(number)); }
    int Shown() const { return NumberOf(shown_); }

    QTimer& IconsTimer() { return IconsTimer_; }

    // Whether a tray host shows the icon. Many desktops have none, and one may come or go
    // while the monitor runs (a panel that starts after it, a restarted shell): the
    // TrayWatchTimer asks every few seconds and says when the answer changes. An icon that
    // was added while there was no host is put in again when one comes.
    bool Available() const { return available_; }
    void WatchAvailability();
    QTimer& TrayWatchTimer() { return TrayWatchTimer_; }

signals:
    // The icon asks to hide or show the window: a double click or a middle click.
    void DoubleClicked();
    void AvailabilityChanged(bool available);

private:
    void IconsTimerTimer();
    void CheckAvailability();
    const TrayPictures& Pictures();

    TrayIcon& icon_;
    const Settings& options_;
    QWidget& window_;
    Measures* measures_ = nullptr;
    TickMemoryFigures* tickMemory_ = nullptr;
    TrayPictures pictures_;  // null icons until the first skin's strip is given
    QImage pendingStrip_;
    bool picturesPending_ = false;
    TrayMeasure shown_ = TrayMeasure::None;
    bool available_ = true;
    QTimer IconsTimer_;
    QTimer TrayWatchTimer_;
};

}  // namespace tarnwick
