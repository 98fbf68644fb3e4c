#include "monitor/readings_text.h"

#include <array>

namespace tarnwick {

namespace {

constexpr std::array<std::string_view, 4> kResourceNames = {"Processor", "Operative memory",
                                                            "Swap file", "Virtual memory"};

}  // namespace

ReadingsText::ReadingsText(std::uint32_t intervalMs) : intervalMs_(intervalMs) {
    building_.reserve(160);
    shown_.reserve(160);
}

bool ReadingsText::Due(std::uint32_t nowMs) const {
    return !built_ || static_cast<std::uint32_t>(nowMs - lastMs_) >= intervalMs_;
}

void ReadingsText::Begin(std::uint32_t nowMs) {
    lastMs_ = nowMs;
    built_ = true;
    building_.clear();  // keeps its capacity
}

void ReadingsText::Add(int number, std::string_view shownText) {
    if (const std::optional<Measure> measure = MeasureFromNumber(number)) {
        Add(*measure, shownText);
    }
}

void ReadingsText::Add(Measure measure, std::string_view shownText) {
    const std::string_view name = MeasureName(measure);
    if (!building_.empty()) {
        building_ += ", ";
    }
    building_ += name;
    // A free part is shown with a leading "-"; the name already says "free".
    if (!shownText.empty() && shownText.front() == '-') {
        shownText.remove_prefix(1);
    }
    if (!shownText.empty()) {
        building_ += ' ';
        building_ += shownText;
    }
}

bool ReadingsText::Finish() {
    if (building_ == shown_) {
        return false;
    }
    shown_.swap(building_);
    text_ = QString::fromStdString(shown_);
    return true;
}

std::string_view ReadingsText::MeasureName(Measure measure) {
    static const std::array<std::string, 8> names = [] {
        std::array<std::string, 8> all;
        for (std::size_t resource = 0; resource < kResourceNames.size(); ++resource) {
            all[resource * 2] = std::string(kResourceNames[resource]) + " usage";
            all[resource * 2 + 1] = std::string(kResourceNames[resource]) + " free";
        }
        return all;
    }();
    return names[IndexOf(measure.resource) * 2 + (measure.Free() ? 1 : 0)];
}

}  // namespace tarnwick
