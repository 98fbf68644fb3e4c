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

void ReadingsText::Add(int measure, std::string_view shownText) {
    const std::string_view name = MeasureName(measure);
    if (name.empty()) {
        return;
    }
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

std::string_view ReadingsText::MeasureName(int measure) {
    static const std::array<std::string, 32> names = [] {
        std::array<std::string, 32> all;
        for (std::size_t resource = 0; resource < kResourceNames.size(); ++resource) {
            all[resource * 2] = std::string(kResourceNames[resource]) + " usage";
            all[resource * 2 + 1] = std::string(kResourceNames[resource]) + " free";
        }
        return all;
    }();
    if (measure < 1 || measure > 16) {
        return {};
    }
    const int resource = (measure - 1) / 4;
    const int kind = (measure - 1) % 4;  // usage %, free %, usage amount, free amount
    return names[static_cast<std::size_t>(resource * 2 + (kind % 2))];
}

}  // namespace tarnwick
