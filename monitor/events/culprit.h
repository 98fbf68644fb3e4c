#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/domain.h"
#include "platform/processes.h"

// The process behind a resource, named in the message of an event that asks for it: the one
// with the largest share of processor time, or the one holding the most memory of the kind
// the event watches.
namespace tarnwick {

enum class CulpritMeasure : std::uint8_t { ProcessorShare, Resident, Swapped, PrivateWritable };
inline constexpr std::size_t kCulpritMeasureCount = 4;

constexpr std::size_t IndexOf(CulpritMeasure measure) {
    return static_cast<std::size_t>(measure);
}

// Processor: the share of processor time; operative memory: the resident set; swap file: what
// is swapped out; virtual memory: the private writable memory, which is what the system
// commits for a process (its address space, mapped files and reservations are not).
constexpr CulpritMeasure CulpritMeasureOf(Resource resource) {
    switch (resource) {
        case Resource::Processor:
            return CulpritMeasure::ProcessorShare;
        case Resource::OperativeMemory:
            return CulpritMeasure::Resident;
        case Resource::SwapFile:
            return CulpritMeasure::Swapped;
        case Resource::VirtualMemory:
            break;
    }
    return CulpritMeasure::PrivateWritable;
}

// A set of measures, one flag each.
using CulpritMeasures = std::array<bool, kCulpritMeasureCount>;

// The figures a reading of the process table needs for the measures.
platform::ProcessFiguresWanted FiguresFor(const CulpritMeasures& measures);

struct Culprit {
    bool known = false;
    std::string name;  // as the process gives it, raw bytes
    std::int32_t pid = 0;
    // Whole percent of all processors' time, or bytes.
    std::uint64_t amount = 0;
};

// The process with the largest figure of the measure in now. The share of processor time is
// the growth of a process's time since before against the growth of all processors' time; a
// process that was not in before (or whose pid another process had then) started since, and
// all its time counts. A process whose name can no longer be read has ended and gives way to
// the next. Unknown when now could not be read, when no process has a figure above 0, and
// for the share without before or without a growth of the total.
Culprit FindCulprit(CulpritMeasure measure, const platform::ProcessTableReading& now,
                    const platform::ProcessTableReading* before, platform::ProcessTable& names);

// "Busiest: firefox (pid 4242) 63 %", "Largest: chromium (pid 977) 2140 MB", or
// "Busiest: unknown" / "Largest: unknown".
QString CulpritLine(CulpritMeasure measure, const Culprit& culprit);

// A process name as one line of text: control characters (line ends among them), the
// characters that reorder or break lines, and bytes that are no UTF-8 show as \xNN, a
// backslash as \\, so a name can neither split nor disguise the line it stands in.
QString ProcessNameText(std::string_view bytes);

// The message text with one more line after it; the text's own lines stay as they are.
QString WithLine(const QString& text, const QString& line);

}  // namespace tarnwick
