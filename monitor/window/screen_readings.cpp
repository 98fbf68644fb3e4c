#include "monitor/window/screen_readings.h"

#include <QAccessible>
#include <QWidget>

#include "monitor/measures.h"

namespace tarnwick {

namespace {

constexpr char kAccessiblePrefix[] = "Tarnwick: ";

}  // namespace

ScreenReadings::ScreenReadings(QWidget& window, const Settings& options,
                               bool (*assistiveTechnology)())
    : window_(window), options_(options), assistiveTechnology_(assistiveTechnology) {}

// What the window shows, as words: the two gauges or the diagram. Nobody hears it while no
// assistive technology is active, so it is built only then; its buffers are kept, and the
// texts go out only when a reading changed.
void ScreenReadings::UpdateReadings() {
    const bool listening =
        assistiveTechnology_ != nullptr ? assistiveTechnology_() : QAccessible::isActive();
    if (!listening || measures_ == nullptr) {
        return;
    }
    readings_.Begin(0);  // the EventsTimer already paces the rebuilds to one a second
    const auto add = [this](int indicator) {
        const Measure measure = options_.indicators[indicator].Shows();
        measures_->GetMeasure(measure, readingText_);
        readings_.Add(measure, readingText_);
    };
    if (options_.Mode() == DisplayMode::TwoIndicators) {
        add(0);
        add(1);
    } else {
        add(2);
    }
    if (!readings_.Finish()) {
        return;
    }
    accessibleName_ = QLatin1String(kAccessiblePrefix);
    accessibleName_ += readings_.text();
    window_.setAccessibleName(accessibleName_);
    window_.setAccessibleDescription(readings_.text());
}

}  // namespace tarnwick
