#include "common/paint/history.h"

#include <algorithm>
#include <cstdint>

namespace tarnwick {

int HistoryLength(const IndicatorLook& look) {
    const std::int64_t n = std::int64_t{look.X2} - look.X1 + 1;
    return static_cast<int>(std::clamp<std::int64_t>(n, 0, kMaxHistoryLength));
}

namespace {

int ClampLength(int n) {
    return std::clamp(n, 0, kMaxHistoryLength);
}

}  // namespace

void DiagramHistory::ResetHistory(int n) {
    live_.assign(static_cast<std::size_t>(ClampLength(n)), 0);
}

void DiagramHistory::PushSample(int value) {
    if (live_.empty()) {
        return;
    }
    std::copy(live_.begin() + 1, live_.end(), live_.begin());
    live_.back() = static_cast<std::uint8_t>(std::clamp(value, 0, 100));
}

void DiagramHistory::ResizeHistories(int n) {
    const auto size = static_cast<std::size_t>(ClampLength(n));
    live_.resize(size, 0);
    frozen_.resize(size, 0);
}

void DiagramHistory::Freeze() {
    // Same length as the live one after every skin load, so this copies without allocating.
    frozen_.assign(live_.begin(), live_.end());
}

}  // namespace tarnwick
