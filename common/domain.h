#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// What both programs talk about: the resources, the sixteen measures, what an event does and
// how often, the display mode and the tray icon. The files store each as a number; these
// types are what the code compares and switches on, and the functions at the end of each
// block are the only places where a number becomes a value or a value a number.
namespace tarnwick {

// The four resources, in the order of the menus, the tray icon and the events file.
enum class Resource : std::uint8_t { Processor, OperativeMemory, SwapFile, VirtualMemory };
inline constexpr std::array<Resource, 4> kResources = {
    Resource::Processor, Resource::OperativeMemory, Resource::SwapFile, Resource::VirtualMemory};
inline constexpr int kResourceCount = static_cast<int>(kResources.size());

// [eventN] `event`: 0 processor .. 3 virtual memory.
constexpr int NumberOf(Resource resource) {
    return static_cast<int>(resource);
}
constexpr std::optional<Resource> ResourceFromNumber(int number) {
    if (number < 0 || number >= kResourceCount) {
        return std::nullopt;
    }
    return kResources[static_cast<std::size_t>(number)];
}
// The stored numbers by name, for code that holds a resource as the events file stores it.
inline constexpr int kProcessor = NumberOf(Resource::Processor);
inline constexpr int kOperativeMemory = NumberOf(Resource::OperativeMemory);
inline constexpr int kSwapFile = NumberOf(Resource::SwapFile);
inline constexpr int kVirtualMemory = NumberOf(Resource::VirtualMemory);
// An index into the arrays parallel to kResources.
constexpr std::size_t IndexOf(Resource resource) {
    return static_cast<std::size_t>(resource);
}

// The kernel's pressure stall figures, which an event can watch besides the four resources:
// the share of recent time in which some task waited for the processor, for memory or for
// input/output. Their events are in percent only.
enum class Pressure : std::uint8_t { Processor, Memory, InputOutput };
inline constexpr std::array<Pressure, 3> kPressures = {Pressure::Processor, Pressure::Memory,
                                                       Pressure::InputOutput};
inline constexpr int kPressureCount = static_cast<int>(kPressures.size());

// [eventN] `event`: 4..6, after the four resources, so a reader that knows only 0..3 skips
// such an event.
constexpr int NumberOf(Pressure pressure) {
    return kResourceCount + static_cast<int>(pressure);
}
constexpr std::optional<Pressure> PressureFromNumber(int number) {
    if (number < kResourceCount || number >= kResourceCount + kPressureCount) {
        return std::nullopt;
    }
    return kPressures[static_cast<std::size_t>(number - kResourceCount)];
}
constexpr std::size_t IndexOf(Pressure pressure) {
    return static_cast<std::size_t>(pressure);
}
// Every number [eventN] `event` can name: the resources, then the pressures.
inline constexpr int kEventResourceCount = kResourceCount + kPressureCount;

// The four ways of showing a resource, in the order of its menu.
enum class MeasureKind : std::uint8_t { UsagePercent, FreePercent, UsageAmount, FreeAmount };
inline constexpr std::array<MeasureKind, 4> kMeasureKinds = {
    MeasureKind::UsagePercent, MeasureKind::FreePercent, MeasureKind::UsageAmount,
    MeasureKind::FreeAmount};

// One of the sixteen measures: a resource shown one way. The settings file and the menus
// name it by its number 1..16, four to a resource in the order of the kinds.
struct Measure {
    Resource resource = Resource::Processor;
    MeasureKind kind = MeasureKind::UsagePercent;

    constexpr bool InPercent() const {
        return kind == MeasureKind::UsagePercent || kind == MeasureKind::FreePercent;
    }
    constexpr bool Free() const {
        return kind == MeasureKind::FreePercent || kind == MeasureKind::FreeAmount;
    }
    // 0..15, for the arrays that hold something per measure.
    constexpr std::size_t Index() const {
        return IndexOf(resource) * kMeasureKinds.size() + static_cast<std::size_t>(kind);
    }

    friend constexpr bool operator==(Measure a, Measure b) {
        return a.resource == b.resource && a.kind == b.kind;
    }
    friend constexpr bool operator!=(Measure a, Measure b) { return !(a == b); }
};
inline constexpr int kMeasureCount = kResourceCount * static_cast<int>(kMeasureKinds.size());

// [indicatorN] `type`: 1..16.
constexpr int NumberOf(Measure measure) {
    return static_cast<int>(measure.Index()) + 1;
}
constexpr std::optional<Measure> MeasureFromNumber(int number) {
    if (number < 1 || number > kMeasureCount) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(number - 1);
    return Measure{kResources[index / kMeasureKinds.size()],
                   kMeasureKinds[index % kMeasureKinds.size()]};
}
// The measure of the nearest number: below 1 the first, above 16 the last.
constexpr Measure NearestMeasure(int number) {
    return *MeasureFromNumber(number < 1 ? 1 : number > kMeasureCount ? kMeasureCount : number);
}

// The three indicator places, indicator 1, indicator 2 and the diagram, as the settings file
// and the skin files name their sections.
inline constexpr std::array<const char*, 3> kIndicatorSections = {"indicator1", "indicator2",
                                                                  "indicator3"};

// What a firing event does.
enum class EventAction : std::uint8_t {
    None,
    Message,
    StartProgram,
    OpenDocument,
    OpenFolder,
    CloseMonitor,
    Restart,
    StandBy,
    SwitchOff,
};
inline constexpr int kEventActionCount = 9;

// [eventN] `action`: 0..8; no action for any other number.
constexpr int NumberOf(EventAction action) {
    return static_cast<int>(action);
}
constexpr std::optional<EventAction> EventActionFromNumber(int number) {
    if (number < 0 || number >= kEventActionCount) {
        return std::nullopt;
    }
    return static_cast<EventAction>(number);
}

// How often an event fires.
enum class ExecuteMethod : std::uint8_t { OneTime, OncePerSession, Permanently };
inline constexpr int kExecuteMethodCount = 3;

// [eventN] `execute`: 0..2; none of the three for any other number.
constexpr int NumberOf(ExecuteMethod method) {
    return static_cast<int>(method);
}
constexpr std::optional<ExecuteMethod> ExecuteMethodFromNumber(int number) {
    if (number < 0 || number >= kExecuteMethodCount) {
        return std::nullopt;
    }
    return static_cast<ExecuteMethod>(number);
}

// What the monitor window shows.
enum class DisplayMode : std::uint8_t { OneDiagram, TwoIndicators };

// [main] `mode`: 1 one diagram, 2 two indicators; any other number is two indicators.
constexpr int NumberOf(DisplayMode mode) {
    return mode == DisplayMode::OneDiagram ? 1 : 2;
}
constexpr DisplayMode DisplayModeFromNumber(int number) {
    return number == 1 ? DisplayMode::OneDiagram : DisplayMode::TwoIndicators;
}

// What the tray icon shows: nothing, or the usage of one resource.
enum class TrayMeasure : std::uint8_t { None, Processor, OperativeMemory, SwapFile, VirtualMemory };

// [main] `icons`: 0 none, 1..4 the resources in their order; none for any other number.
constexpr int NumberOf(TrayMeasure tray) {
    return static_cast<int>(tray);
}
constexpr TrayMeasure TrayMeasureFromNumber(int number) {
    return number >= 1 && number <= kResourceCount ? static_cast<TrayMeasure>(number)
                                                   : TrayMeasure::None;
}
constexpr TrayMeasure TrayMeasureOf(Resource resource) {
    return static_cast<TrayMeasure>(NumberOf(resource) + 1);
}
constexpr std::optional<Resource> ResourceOf(TrayMeasure tray) {
    return ResourceFromNumber(NumberOf(tray) - 1);
}

}  // namespace tarnwick
