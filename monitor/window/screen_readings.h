#pragma once

#include <QString>

#include <string>

#include "common/settings.h"
#include "monitor/readings_text.h"

class QWidget;

namespace tarnwick {

class Measures;

// The window's readings for screen readers: what the two gauges or the diagram show, as words
// in the window's accessible name and description.
class ScreenReadings {
public:
    // assistiveTechnology says whether assistive technology listens; null: QAccessible asks.
    ScreenReadings(QWidget& window, const Settings& options, bool (*assistiveTechnology)());

    // Set once the sampler exists; no readings before.
    void SetMeasures(Measures* measures) { measures_ = measures; }

    // Puts the readings of the moment into words, when someone listens.
    void UpdateReadings();

private:
    QWidget& window_;
    const Settings& options_;
    bool (*assistiveTechnology_)();
    Measures* measures_ = nullptr;
    ReadingsText readings_;
    std::string readingText_;  // one reading's text, reused every second
    QString accessibleName_;
};

}  // namespace tarnwick
