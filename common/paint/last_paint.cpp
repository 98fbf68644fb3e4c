#include "common/paint/last_paint.h"

#include <algorithm>

namespace tarnwick {

namespace {

std::uint8_t Drawn(std::uint8_t sample) {
    return std::min<std::uint8_t>(sample, 100);
}

}  // namespace

bool GaugeMemo::Unchanged(int value, std::string_view text, bool showText) {
    const int drawn = std::clamp(value, 0, 100);
    // Without the text on it the gauge does not depend on the text.
    if (known_ && drawn == value_ && showText == showText_ && (!showText || text == text_)) {
        return true;
    }
    known_ = true;
    value_ = drawn;
    showText_ = showText;
    text_.assign(text);
    return false;
}

bool DiagramMemo::Unchanged(const std::uint8_t columns[], int count, std::string_view text,
                            bool showText) {
    const auto n =
        columns == nullptr ? std::size_t{0} : static_cast<std::size_t>(std::max(count, 0));
    const bool sameColumns =
        columns_.size() == n &&
        std::equal(columns_.begin(), columns_.end(), columns, columns + n,
                   [](std::uint8_t a, std::uint8_t b) { return Drawn(a) == Drawn(b); });
    if (known_ && sameColumns && showText == showText_ && (!showText || text == text_)) {
        return true;
    }
    known_ = true;
    showText_ = showText;
    columns_.assign(columns, columns + n);
    text_.assign(text);
    return false;
}

}  // namespace tarnwick
