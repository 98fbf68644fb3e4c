#pragma once

#include "common/domain.h"
#include "monitor/usecpu.h"
#include "platform/figures.h"

#include <cstdint>
#include <string>

namespace tarnwick {

// Round(used / total * 100) in extended precision, ties to even. A total of 0 or less (no
// swap configured) gives 0.
std::int32_t UsagePercentage(std::int64_t used, std::int64_t total);

// The user's decimal separator, from the system locale.
std::string SystemDecimalPoint();

// The sixteen measures (four per resource: usage %, free %, usage amount, free amount), the
// scaled byte texts and the information hint. The memory status is read afresh at each call
// that shows it; the processor figures are the sampler's.
class Measures {
public:
    // Reads the memory status once and keeps its physical total as TotalPhysAtStart.
    Measures(platform::MemoryFigures& memory, const CpuFigures& cpu,
             std::string decimalPoint = SystemDecimalPoint());

    // Value and text of a measure. The value is the usage percentage of the measure's
    // resource, also for the free and amount measures; text is replaced by what the indicator
    // writes.
    std::int32_t GetMeasure(Measure measure, std::string& text);
    // The same by the measure's number; outside 1..16: 0 and an empty text.
    std::int32_t GetMeasure(int n, std::string& text);

    // Usage percentage of a resource with fresh figures: what the gauges draw, the tray icon
    // shows and the events compare.
    std::int32_t UsagePercent(Resource resource);
    // The same by the resource's number; 0 outside 0..3.
    std::int32_t UsagePercent(int resource);

    // The scaled text of a byte count without the final "B": "1023 ", "1.5 k", "512 M".
    std::string SizeText(std::int64_t bytes) const;
    void AppendSizeText(std::string& out, std::int64_t bytes) const;

    // The four lines of the information hint, joined by CR LF. The text lives until the next
    // call.
    const std::string& InfoHintText();

    std::int64_t TotalPhysAtStart() const { return totalPhysAtStart_; }

    // The memory status of the latest refresh, for the "Total" items of the menus.
    const platform::MemoryStatus& Status() const { return status_; }
    void RefreshMemoryStatus();

    // The same percentage, and the total it is a share of, from the figures of the latest
    // refresh, for callers that ask about several resources after one refresh.
    std::int32_t UsageOf(Resource resource) const;
    std::int64_t TotalOf(Resource resource) const;

    // The words the texts are made of, in the user's language, taken once at construction
    // so that no tick builds them: the units and the hint's names of the resources.
    struct Words {
        std::string megahertz, byte, kilo, mega;
        std::string processor, memory, swap, virtualMemory, of;
    };

private:
    void AppendScaled(std::string& out, long double amount, const std::string& unit) const;
    // What is free of a memory resource now: the latest refresh's figure.
    std::int64_t Available(Resource resource) const;
    void AppendHintLine(const std::string& name, Resource resource);

    platform::MemoryFigures& memory_;
    const CpuFigures& cpu_;
    std::string decimalPoint_;
    Words words_;
    platform::MemoryStatus status_;
    std::int64_t totalPhysAtStart_ = 0;
    std::string hint_;
};

}  // namespace tarnwick
