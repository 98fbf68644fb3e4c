#pragma once

#include <QString>

#include <cstdint>
#include <vector>

#include "common/skin/look.h"

namespace tarnwick {

// Columns of a diagram rectangle: X2 - X1 + 1, or 0 when the rectangle is inverted. Capped
// at kMaxHistoryLength so a skin with an absurd rectangle cannot make us allocate gigabytes.
constexpr int kMaxHistoryLength = 1 << 16;
int HistoryLength(const IndicatorLook& look);

// The diagram's samples, one byte per pixel column: index 0 is the oldest (leftmost column),
// the last index the newest. The live history moves with every sample; the frozen one is a
// copy taken when the diagram is suspended, painted instead of the live one until it resumes.
//
// Both arrays keep their storage between samples: a sample shifts the live bytes in place,
// and freezing copies into the frozen array, which already has the same length. Only a new
// length (a skin load) may allocate.
class DiagramHistory {
public:
    // Live history := n zero bytes. The frozen history is left alone.
    void ResetHistory(int n);

    // Drops the oldest sample and appends the value, clamped to 0..100, as the newest. Does
    // nothing on an empty history.
    void PushSample(int value);

    // Gives both histories the length n, keeping their first bytes; new bytes are 0.
    void ResizeHistories(int n);

    // Copies the live history into the frozen one (when the diagram is suspended).
    void Freeze();

    const std::vector<std::uint8_t>& LiveHistory() const { return live_; }
    const std::vector<std::uint8_t>& FrozenHistory() const { return frozen_; }

    // The diagram's text of its last tick before it was suspended.
    const QString& FrozenText() const { return frozenText_; }
    void SetFrozenText(const QString& text) { frozenText_ = text; }

private:
    std::vector<std::uint8_t> live_;
    std::vector<std::uint8_t> frozen_;  // empty until the first Freeze or ResizeHistories
    QString frozenText_;
};

}  // namespace tarnwick
