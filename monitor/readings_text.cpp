#include "monitor/readings_text.h"

#include <QCoreApplication>

#include <array>

namespace tarnwick {

namespace {

// By resource, the used part and then the free part.
constexpr std::array<const char*, 8> kMeasureNames = {
    QT_TRANSLATE_NOOP("ScreenReadings", "Processor usage"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Processor free"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Operative memory usage"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Operative memory free"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Swap file usage"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Swap file free"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Virtual memory usage"),
    QT_TRANSLATE_NOOP("ScreenReadings", "Virtual memory free")};

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
    // In the user's language, made once.
    static const std::array<std::string, 8> names = [] {
        std::array<std::string, 8> all;
        for (std::size_t i = 0; i < kMeasureNames.size(); ++i) {
            all[i] = QCoreApplication::translate("ScreenReadings", kMeasureNames[i]).toStdString();
        }
        return all;
    }();
    return names[IndexOf(measure.resource) * 2 + (measure.Free() ? 1 : 0)];
}

}  // namespace tarnwick
