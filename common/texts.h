#pragma once

#include <QString>

#include <cstdint>

#include "common/events_file.h"

// The resources, measures and event kinds both programs name, and their texts: the monitor's
// menus and the settings window's measure menu show the same captions, and the automatic
// message of an event reads the same in the monitor and the events editor.
namespace tarnwick {

// Resources in the order of the menus, the tray icon and the events file.
enum Resource : int {
    kProcessor = 0,
    kOperativeMemory = 1,
    kSwapFile = 2,
    kVirtualMemory = 3,
};
inline constexpr int kResourceCount = 4;

// A measure 1..16 belongs to resource (n - 1) / 4 and is of kind (n - 1) % 4.
enum MeasureKind : int {
    kUsagePercent = 0,
    kFreePercent = 1,
    kUsageAmount = 2,
    kFreeAmount = 3,
};
inline constexpr int kMeasureCount = 16;
constexpr int ResourceOfMeasure(int measure) {
    return (measure - 1) / 4;
}
constexpr MeasureKind KindOfMeasure(int measure) {
    return static_cast<MeasureKind>((measure - 1) % 4);
}

// What a firing event does, as [eventN] action stores it.
enum EventAction : int {
    kActionNone = 0,
    kActionMessage = 1,
    kActionStartProgram = 2,
    kActionOpenDocument = 3,
    kActionOpenFolder = 4,
    kActionCloseMonitor = 5,
    kActionRestart = 6,
    kActionStandBy = 7,
    kActionSwitchOff = 8,
};

// How often an event fires, as [eventN] execute stores it.
enum ExecuteMethod : int {
    kExecuteOneTime = 0,
    kExecuteOncePerSession = 1,
    kExecutePermanently = 2,
};

// "Processor usage", "Operation memory usage", "Swap file usage", "Virtual memory usage": the
// tray icon's tip and the first line of an event's automatic message. Empty outside 0..3.
const char* ResourceUsageName(int resource);

// The captions of the measure menus, with their accelerators: the resource ("&Processor") and
// the kind within it ("U&sage, MHz"). Empty outside the ranges.
QString ResourceCaption(int resource);
QString MeasureKindCaption(int measure);
// "Processor | Usage, %": the caption of a measure without accelerators, as the settings
// window's measure buttons show it. Measures outside 1..16 are taken as the nearest end.
QString MeasureButtonCaption(int measure);
// A caption without its accelerator marks ("&&" stays a single "&").
QString WithoutAccelerators(const QString& caption);

// hour * 3600 + min * 60 + sec, wrapping in 32 bits as stored files have always been read,
// then widened with its sign: an absurd time turns negative and never fires.
std::int64_t DurationOf(std::int32_t hour, std::int32_t min, std::int32_t sec);

// The three lines of the automatic message, joined by CR LF, none after the third.
QString AutomaticText(const EventKeys& event);

}  // namespace tarnwick
