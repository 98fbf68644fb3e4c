#pragma once

#include "platform/pressure.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tarnwick::testing {

// Pressure figures set by hand, in hundredths of a percent; nothing where the system would
// not tell. Counts the reads of each.
class FakePressure : public platform::PressureFigures {
public:
    std::array<std::optional<std::int32_t>, 3> shares;  // processor, memory, input/output
    std::array<int, 3> reads{};

    bool ReadSomeShare(platform::StallResource resource, std::int32_t& hundredths) override {
        const auto index = static_cast<std::size_t>(resource);
        ++reads[index];
        if (!shares[index]) {
            return false;
        }
        hundredths = *shares[index];
        return true;
    }
    int Reads() const { return reads[0] + reads[1] + reads[2]; }
};

}  // namespace tarnwick::testing
