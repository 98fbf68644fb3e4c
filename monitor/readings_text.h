#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/domain.h"

namespace tarnwick {

// The readings the window shows, as one line for screen readers: "Processor usage 12 %,
// Operative memory usage 40 %". The window's ticks offer readings often; the text is rebuilt
// at most once per interval, into buffers kept between rebuilds, and turned into a QString
// only when it changed.
class ReadingsText {
public:
    explicit ReadingsText(std::uint32_t intervalMs = 1000);

    // True when an interval has passed since the last rebuild (or none was made yet); the
    // clock is a millisecond counter that may wrap around.
    bool Due(std::uint32_t nowMs) const;

    // One rebuild: Begin at nowMs, Add each reading shown (the measure and the text the window
    // shows for it), then Finish, which answers whether text() changed.
    void Begin(std::uint32_t nowMs);
    void Add(Measure measure, std::string_view shownText);
    // The same by the measure's number; a number outside 1..16 adds nothing.
    void Add(int number, std::string_view shownText);
    bool Finish();

    const QString& text() const { return text_; }

    // "Processor usage", "Operative memory free" ..: the resource of the measure and whether it
    // counts the used or the free part.
    static std::string_view MeasureName(Measure measure);

private:
    std::uint32_t intervalMs_;
    std::uint32_t lastMs_ = 0;
    bool built_ = false;
    std::string building_;
    std::string shown_;
    QString text_;
};

}  // namespace tarnwick
