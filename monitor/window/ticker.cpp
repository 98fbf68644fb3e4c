#include "monitor/window/ticker.h"

#include <QAbstractEventDispatcher>

#include "monitor/events/events_controller.h"
#include "monitor/tick_memory.h"
#include "monitor/usecpu.h"
#include "monitor/window/display.h"
#include "monitor/window/screen_readings.h"
#include "monitor/window/tray_controller.h"
#include "platform/sampling_clock.h"

namespace tarnwick {

namespace {

// The timers as readers of the memory figures (the tray icon's is the tray controller's).
constexpr int kTimer1Reader = 0;
constexpr int kTimer2Reader = 1;
constexpr int kTimer3Reader = 2;
constexpr int kEventsReader = 4;
static_assert(TrayController::kTrayReader == 3);

}  // namespace

Ticker::Ticker(MonitorDisplay& display, const Settings& options, TrayController& tray,
               ScreenReadings& readings, platform::SamplingClock* samplingClock)
    : display_(display),
      options_(options),
      tray_(tray),
      readings_(readings),
      samplingClock_(samplingClock) {
    const std::pair<QTimer*, const char*> timers[] = {
        {&TaktTimer_, "TaktTimer"}, {&Timer1_, "Timer1"},           {&Timer2_, "Timer2"},
        {&Timer3_, "Timer3"},       {&EventsTimer_, "EventsTimer"}, {&HintTimer_, "HintTimer"}};
    for (const auto& [timer, name] : timers) {
        timer->setObjectName(QString::fromLatin1(name));
    }
    TaktTimer_.setInterval(100);
    EventsTimer_.setInterval(1000);
    HintTimer_.setSingleShot(true);
    // Precise timers keep the phase they were started with, so those started together stay
    // in step; coarse ones would each drift to a boundary of their own.
    const auto reading = ReadingTimers();
    for (std::size_t i = 0; i < reading.size(); ++i) {
        reading[i]->setTimerType(Qt::PreciseTimer);
        intervalWatch_[i] = reading[i]->bindableInterval().addNotifier([this] {
            if (running_) {
                StartInStep();
            }
        });
    }
    tray_.TrayWatchTimer().setTimerType(Qt::PreciseTimer);
    connect(&TaktTimer_, &QTimer::timeout, this, [this] { cpu_->Takt(); });
    // Each tick names itself to the memory figures, so the timers that expire in one wake-up
    // share one reading of them.
    connect(&Timer1_, &QTimer::timeout, this, [this] { PaintGauge(0, kTimer1Reader); });
    connect(&Timer2_, &QTimer::timeout, this, [this] { PaintGauge(1, kTimer2Reader); });
    connect(&Timer3_, &QTimer::timeout, this, [this] {
        auto reading = tickMemory_->ReadingFor(kTimer3Reader);
        display_.PaintOpt3Time();
    });
    connect(&EventsTimer_, &QTimer::timeout, this, [this] {
        if (events_ != nullptr) {
            auto reading = tickMemory_->ReadingFor(kEventsReader);
            events_->CheckEvents();
            readings_.UpdateReadings();  // once a second, with the same figures
        }
    });
    // Before the loop sleeps: the next wake-up's ticks read the figures anew.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (tickMemory_ != nullptr) {
                tickMemory_->NewWakeUp();
            }
        });
    }
}

void Ticker::PaintGauge(int indicator, int reader) {
    if (options_.Mode() == DisplayMode::TwoIndicators && !display_.Suspended(indicator)) {
        auto reading = tickMemory_->ReadingFor(reader);
        display_.PaintOpt(indicator, true);
    }
}

void Ticker::SetWork(UseCpu* cpu, TickMemoryFigures* tickMemory, EventsController* events) {
    cpu_ = cpu;
    tickMemory_ = tickMemory;
    events_ = events;
}

std::array<QTimer*, 5> Ticker::ReadingTimers() {
    return {&Timer1_, &Timer2_, &Timer3_, &EventsTimer_, &tray_.IconsTimer()};
}

void Ticker::Start() {
    running_ = true;
    if (samplingClock_ == nullptr) {
        TaktTimer_.start();
        StartInStep();
        return;
    }
    UseCpu* cpu = cpu_;
    tickMemory_->OnTickReading([cpu] { cpu->ReadLoad(); });
    StartInStep();
    samplingClock_->Start(
        [this](std::int64_t now) {
            std::lock_guard<std::mutex> lock(scheduleMutex_);
            return schedule_.NextSample(now);
        },
        [cpu] { cpu->Sample(); });
}

void Ticker::StartInStep() {
    const auto reading = ReadingTimers();
    std::array<int, reading.size()> intervals{};
    const std::int64_t start = platform::MonotonicMs();
    for (std::size_t i = 0; i < reading.size(); ++i) {
        reading[i]->start();
        intervals[i] = reading[i]->interval();
    }
    if (tray_.TrayWatchTimer().isActive()) {
        tray_.TrayWatchTimer().start();
    }
    if (samplingClock_ != nullptr) {
        cpu_->Sample();  // a timer at 100 ms reads its first load against this
        {
            std::lock_guard<std::mutex> lock(scheduleMutex_);
            schedule_.Plan(start, intervals.data(), static_cast<int>(intervals.size()));
        }
        samplingClock_->Replan();
    }
}

void Ticker::Stop() {
    running_ = false;
    if (samplingClock_ != nullptr) {
        samplingClock_->Stop();
    }
    for (QTimer* timer : {&TaktTimer_, &Timer1_, &Timer2_, &Timer3_, &EventsTimer_, &HintTimer_}) {
        timer->stop();
    }
    tray_.IconsTimer().stop();
    tray_.TrayWatchTimer().stop();
}

QTimer& Ticker::Timer(WindowTimer which) {
    switch (which) {
        case WindowTimer::TaktTimer:
            return TaktTimer_;
        case WindowTimer::Timer1:
            return Timer1_;
        case WindowTimer::Timer2:
            return Timer2_;
        case WindowTimer::Timer3:
            return Timer3_;
        case WindowTimer::EventsTimer:
            return EventsTimer_;
        case WindowTimer::IconsTimer:
            return tray_.IconsTimer();
        case WindowTimer::HintTimer:
            return HintTimer_;
        case WindowTimer::TrayWatchTimer:
            return tray_.TrayWatchTimer();
    }
    return TaktTimer_;  // not reached: the switch names every timer
}

QTimer& Ticker::IndicatorTimer(int indicator) {
    return indicator == 0 ? Timer1_ : indicator == 1 ? Timer2_ : Timer3_;
}

}  // namespace tarnwick
