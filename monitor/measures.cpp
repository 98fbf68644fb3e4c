#include "monitor/measures.h"

#include "common/numbers.h"
#include "common/texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <charconv>
#include <cmath>
#include <utility>

namespace tarnwick {

namespace {

void AppendInt(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Round(speed * load / 100): the product in 64 bits, the division in extended precision.
std::int64_t SpeedShare(std::int32_t speed, std::int32_t load) {
    const std::int64_t product = static_cast<std::int64_t>(speed) * load;
    return RoundHalfEven(static_cast<long double>(product) / 100.0L);
}

std::string HintWord(const char* word) {
    return QCoreApplication::translate("InfoHint", word).toStdString();
}

Measures::Words TranslatedWords() {
    Measures::Words words;
    words.megahertz = UnitText(Unit::Megahertz).toStdString();
    words.byte = UnitText(Unit::Byte).toStdString();
    words.kilo = UnitText(Unit::Kilo).toStdString();
    words.mega = UnitText(Unit::Mega).toStdString();
    // "CPU: 1200 MHz (50 %) of 2400 MHz", "RAM: 1638 MB (40 %) of 4096 MB"...
    words.processor = HintWord(QT_TRANSLATE_NOOP("InfoHint", "CPU"));
    words.memory = HintWord(QT_TRANSLATE_NOOP("InfoHint", "RAM"));
    words.swap = HintWord(QT_TRANSLATE_NOOP("InfoHint", "Swap"));
    words.virtualMemory = HintWord(QT_TRANSLATE_NOOP("InfoHint", "Virtual"));
    words.of = HintWord(QT_TRANSLATE_NOOP("InfoHint", "of"));
    return words;
}

}  // namespace

std::int32_t UsagePercentage(std::int64_t used, std::int64_t total) {
    if (total <= 0) {
        return 0;
    }
    const long double percent =
        static_cast<long double>(used) / static_cast<long double>(total) * 100.0L;
    // Only absurd figures (used far beyond total) leave 32 bits; keep their sign.
    const std::int64_t rounded = RoundHalfEven(percent);
    if (rounded > INT32_MAX) {
        return INT32_MAX;
    }
    return rounded < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(rounded);
}

std::string SystemDecimalPoint() {
    const std::string point = QLocale::system().decimalPoint().toStdString();
    return point.empty() ? std::string(".") : point;
}

Measures::Measures(platform::MemoryFigures& memory, const CpuFigures& cpu, std::string decimalPoint)
    : memory_(memory),
      cpu_(cpu),
      decimalPoint_(std::move(decimalPoint)),
      words_(TranslatedWords()) {
    // Room for the longest hint, also in words of several bytes a letter, so building it later
    // never allocates.
    hint_.reserve(512);
    RefreshMemoryStatus();
    totalPhysAtStart_ = status_.totalPhys;
}

void Measures::RefreshMemoryStatus() {
    memory_.ReadMemoryStatus(status_);
}

std::int32_t Measures::UsageOf(Resource resource) const {
    switch (resource) {
        case Resource::Processor:
            return cpu_.CPUUsage;
        case Resource::OperativeMemory:
            // The total taken at start-up, so the gauge keeps its scale for the whole run.
            return UsagePercentage(totalPhysAtStart_ - status_.availPhys, totalPhysAtStart_);
        case Resource::SwapFile:
            return UsagePercentage(status_.totalPageFile - status_.availPageFile,
                                   status_.totalPageFile);
        case Resource::VirtualMemory:
            return UsagePercentage(status_.totalVirtual - status_.availVirtual,
                                   status_.totalVirtual);
    }
    return 0;
}

std::int64_t Measures::TotalOf(Resource resource) const {
    switch (resource) {
        case Resource::Processor:
            return 0;  // a speed, not an amount
        case Resource::OperativeMemory:
            return totalPhysAtStart_;
        case Resource::SwapFile:
            return status_.totalPageFile;
        case Resource::VirtualMemory:
            return status_.totalVirtual;
    }
    return 0;
}

std::int32_t Measures::UsagePercent(Resource resource) {
    if (resource != Resource::Processor) {
        RefreshMemoryStatus();
    }
    return UsageOf(resource);
}

std::int32_t Measures::UsagePercent(int resource) {
    const std::optional<Resource> known = ResourceFromNumber(resource);
    return known ? UsagePercent(*known) : 0;
}

std::int32_t Measures::GetMeasure(int n, std::string& text) {
    const std::optional<Measure> measure = MeasureFromNumber(n);
    if (!measure) {
        text.clear();
        return 0;
    }
    return GetMeasure(*measure, text);
}

std::int32_t Measures::GetMeasure(Measure measure, std::string& text) {
    text.clear();
    const Resource resource = measure.resource;
    if (resource != Resource::Processor) {
        RefreshMemoryStatus();  // the processor's measures need no memory figures
    }
    const std::int32_t value = UsageOf(resource);
    const bool free = measure.Free();

    // The free percentage is 100 less the rounded usage, so the two always add up.
    if (measure.InPercent()) {
        if (free) {
            text += '-';
        }
        AppendInt(text, free ? 100 - value : value);
        text += " %";
        return value;
    }

    if (free) {
        text += '-';
    }
    if (resource == Resource::Processor) {
        const std::int32_t load = free ? 100 - value : value;  // the load read above, once
        AppendInt(text, SpeedShare(cpu_.CPUSpeed, load));
        text += ' ';
        text += words_.megahertz;
        return value;
    }

    const std::int64_t available = Available(resource);
    AppendSizeText(text, free ? available : TotalOf(resource) - available);
    text += words_.byte;
    return value;
}

std::int64_t Measures::Available(Resource resource) const {
    switch (resource) {
        case Resource::Processor:
            return 0;
        case Resource::OperativeMemory:
            return status_.availPhys;
        case Resource::SwapFile:
            return status_.availPageFile;
        case Resource::VirtualMemory:
            return status_.availVirtual;
    }
    return 0;
}

std::string Measures::SizeText(std::int64_t bytes) const {
    std::string text;
    AppendSizeText(text, bytes);
    return text;
}

void Measures::AppendSizeText(std::string& out, std::int64_t bytes) const {
    if (bytes < 1024) {
        AppendInt(out, bytes);
        out += ' ';
    } else if (bytes < 1048576) {
        AppendScaled(out, static_cast<long double>(bytes) / 1024.0L, words_.kilo);
    } else {
        AppendScaled(out, static_cast<long double>(bytes) / 1048576.0L, words_.mega);
    }
}

void Measures::AppendScaled(std::string& out, long double amount, const std::string& unit) const {
    const std::int64_t whole = RoundHalfEven(amount);
    if (whole < 10) {
        // One decimal place, halves upward, then the shortest form: 1.0 is "1", 1.5 is "1.5".
        const long double tenths = std::trunc(amount / 0.1L + 0.5L) * 0.1L;
        char digits[48];
        const auto result =
            std::to_chars(digits, digits + sizeof digits, tenths, std::chars_format::general, 15);
        for (const char* p = digits; p != result.ptr; ++p) {
            if (*p == '.') {
                out += decimalPoint_;
            } else {
                out += *p;
            }
        }
    } else {
        AppendInt(out, whole);
    }
    out += ' ';
    out += unit;
}

void Measures::AppendHintLine(const std::string& name, Resource resource) {
    const std::int64_t total = TotalOf(resource);
    hint_ += name;
    hint_ += ": ";
    AppendSizeText(hint_, total - Available(resource));
    hint_ += words_.byte;
    hint_ += " (";
    AppendInt(hint_, UsageOf(resource));
    hint_ += " %) ";
    hint_ += words_.of;
    hint_ += ' ';
    AppendSizeText(hint_, total);
    hint_ += words_.byte;
}

const std::string& Measures::InfoHintText() {
    RefreshMemoryStatus();
    hint_.clear();
    const std::int32_t load = cpu_.CPUUsage;  // once: the sampler may refresh it meanwhile
    hint_ += words_.processor;
    hint_ += ": ";
    AppendInt(hint_, SpeedShare(cpu_.CPUSpeed, load));
    hint_ += ' ';
    hint_ += words_.megahertz;
    hint_ += " (";
    AppendInt(hint_, load);
    hint_ += " %) ";
    hint_ += words_.of;
    hint_ += ' ';
    AppendInt(hint_, cpu_.CPUSpeed);
    hint_ += ' ';
    hint_ += words_.megahertz;
    hint_ += "\r\n";
    AppendHintLine(words_.memory, Resource::OperativeMemory);
    hint_ += "\r\n";
    AppendHintLine(words_.swap, Resource::SwapFile);
    hint_ += "\r\n";
    AppendHintLine(words_.virtualMemory, Resource::VirtualMemory);
    return hint_;
}

}  // namespace tarnwick
