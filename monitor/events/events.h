#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/domain.h"
#include "common/events_file.h"
#include "common/texts.h"
#include "monitor/measures.h"
#include "monitor/usecpu.h"
#include "platform/pressure.h"

// The event table of the monitor and what a tick needs to evaluate one event.
namespace tarnwick {

// A resource, action or execution method that cannot be stored in its 8-bit field reads as
// this, so a file value of 256 never turns into 0 and fires as the processor or "one time".
constexpr std::uint8_t kOutOfRange = 255;

// One event as the monitor watches it. The resource, the action and the execution method are
// kept as the file numbers them; Watched(), Does() and Method() are how the code reads them.
struct TEventRec {
    QString Name;
    std::uint8_t EventType = 0;  // 0..3 resource, 4..6 pressure, else kOutOfRange: never fires
    std::int32_t Threshold = 0;
    bool MoreThan = false;
    bool InPercent = false;     // always for a pressure, whatever `measure` says
    std::int64_t Duration = 0;  // seconds; 0 fires on every tick the condition holds
    std::int64_t Elapsed = 0;   // consecutive ticks on which the condition held
    std::uint8_t Action = 0;    // 0..8, else kOutOfRange: does nothing
    QString MessageText;        // action 1, lines joined by CR LF
    bool Sound = false;
    std::int32_t Freq = 0;
    std::int32_t ImpulseTime = 0;
    std::int32_t Pause = 0;
    std::int32_t LoopCount = 0;
    bool Infinite = false;
    bool Culprit = false;          // action 1: a line naming the process behind the resource
    bool Notify = false;           // action 1: a desktop notification instead of the box
    QString Target;                // program (action 2), document (3) or folder (4)
    QStringList Arguments;         // action 2: the parameters split like a command line
    std::uint8_t ExecuteMode = 0;  // 0..2, else: counts on past its time
    bool Active = false;
    bool DoneThisRun = false;

    // Nothing for a number that names none.
    std::optional<Resource> Watched() const { return ResourceFromNumber(EventType); }
    std::optional<Pressure> Pressured() const { return PressureFromNumber(EventType); }
    std::optional<EventAction> Does() const { return EventActionFromNumber(Action); }
    std::optional<ExecuteMethod> Method() const { return ExecuteMethodFromNumber(ExecuteMode); }
};

using EventTable = std::vector<TEventRec>;

// The table of a parsed events file, with the monitor's defaults; every counter at 0.
EventTable LoadEvents(const ProfileText& file);
// One entry as read from the file, counters at 0.
TEventRec MakeEventRec(const EventEntry& entry);

// Signal cycles in a signal time: round(time / (impulse + pause)), ties to even. A cycle of
// 0 ms or less gives one impulse.
std::int32_t CyclesIn(std::int64_t milliseconds, std::int32_t impulse, std::int32_t pause);

// The values the events compare, for one tick. The memory status is refreshed at most once
// per tick, on the first memory event that asks, and shared by all later ones; each pressure
// is read at most once per tick, and only when an event asks for it.
class EventValues {
public:
    EventValues(Measures& measures, const CpuFigures& cpu) : measures_(measures), cpu_(cpu) {}

    // Where the pressures come from; none: no pressure has a value.
    void SetPressure(platform::PressureFigures* pressure) { pressure_ = pressure; }

    void NewTick();
    // The current value of a resource, in percent or in MHz / megabytes.
    std::int64_t Value(Resource resource, bool inPercent);
    // The current share of a pressure in whole percent, rounded; nothing when the system does
    // not tell it.
    std::optional<std::int64_t> Value(Pressure pressure);
    // What an event compares: nothing for a number that names no resource or pressure.
    std::optional<std::int64_t> ValueOf(const TEventRec& rec);

private:
    Measures& measures_;
    const CpuFigures& cpu_;
    platform::PressureFigures* pressure_ = nullptr;
    bool refreshed_ = false;
    std::array<bool, kPressureCount> pressureRead_{};
    std::array<std::optional<std::int64_t>, kPressureCount> pressureValue_{};
};

// One tick of one active event that is not done: counts the condition and tells whether the
// event fires now. The execution method is the caller's business.
bool CountTick(TEventRec& rec, std::int64_t value);

}  // namespace tarnwick
