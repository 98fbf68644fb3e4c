#pragma once

#include <QObject>
#include <QProperty>
#include <QTimer>

#include <array>
#include <mutex>

#include "common/settings.h"
#include "monitor/reading_schedule.h"

namespace tarnwick {

namespace platform {
class SamplingClock;
}

class EventsController;
class MonitorDisplay;
class ScreenReadings;
class TickMemoryFigures;
class TrayController;
class UseCpu;

// The timers of the monitor window, by their component names. The tray icon's two
// (IconsTimer, TrayWatchTimer) belong to the tray controller; the ticker hands them out too.
enum class WindowTimer {
    TaktTimer,
    Timer1,
    Timer2,
    Timer3,
    EventsTimer,
    IconsTimer,
    HintTimer,
    TrayWatchTimer,
};

// The window's timers and what their ticks do: the processor sampling (TaktTimer, or the
// sampling clock of the services off the event loop), the two gauges and the diagram
// (Timer1..3), the events and the screen-reader readings once a second (EventsTimer). The
// HintTimer is only the delay of the information hint; the window handles its tick.
//
// The timers that read run in step, started together and again together whenever one of
// their intervals changes, so ticks that fall together share one wake-up. With a sampling
// clock the processor is not sampled every 100 ms: the clock samples 100 ms before each due
// reading and the first tick of a wake-up that reads samples again (ReadingSchedule).
class Ticker : public QObject {
public:
    // A null samplingClock: the TaktTimer samples on the event loop.
    Ticker(MonitorDisplay& display, const Settings& options, TrayController& tray,
           ScreenReadings& readings, platform::SamplingClock* samplingClock);

    // What the ticks work on, once start-up made it; before that the timers stand still.
    void SetWork(UseCpu* cpu, TickMemoryFigures* tickMemory, EventsController* events);
    // Starts the timers in the order of the start-up; TaktTimer stands still while a sampling
    // clock beats.
    void Start();
    // Stops every timer, the tray's too; no sample runs once this returns.
    void Stop();

    QTimer& Timer(WindowTimer which);
    // Timer1, Timer2 or Timer3 for indicator 0, 1 or 2.
    QTimer& IndicatorTimer(int indicator);

private:
    // A gauge's tick: it paints only in two-indicator mode and while not suspended.
    void PaintGauge(int indicator, int reader);
    // Starts the timers in step from now and plans the samples for their readings.
    void StartInStep();
    // The timers whose ticks read the figures: the gauges, the diagram, the events, the tray.
    std::array<QTimer*, 5> ReadingTimers();

    MonitorDisplay& display_;
    const Settings& options_;
    TrayController& tray_;
    ScreenReadings& readings_;
    platform::SamplingClock* samplingClock_;
    UseCpu* cpu_ = nullptr;
    TickMemoryFigures* tickMemory_ = nullptr;
    EventsController* events_ = nullptr;

    QTimer TaktTimer_;
    QTimer Timer1_;
    QTimer Timer2_;
    QTimer Timer3_;
    QTimer EventsTimer_;
    QTimer HintTimer_;  // the delay before the information hint shows

    bool running_ = false;
    std::array<QPropertyNotifier, 5> intervalWatch_;
    std::mutex scheduleMutex_;  // the sampling clock's thread asks the schedule
    ReadingSchedule schedule_;
};

}  // namespace tarnwick
