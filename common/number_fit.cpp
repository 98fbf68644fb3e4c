#include "common/number_fit.h"

#include <algorithm>

namespace tarnwick {

std::int32_t Fitted(std::int32_t number, const Reading& reading) {
    const std::int32_t low = reading.low;
    const std::int32_t high = reading.high;
    switch (reading.fit) {
        case Fit::AsRead:
            return number;
        case Fit::Clamp:
            return std::clamp(number, low, high);
        case Fit::ByteThenClamp:
            return std::clamp<std::int32_t>(static_cast<std::uint8_t>(number), low, high);
        case Fit::ElseDefault:
            return number < low || number > high ? reading.fallback : number;
        case Fit::ByteElseDefault:
            return Fitted(static_cast<std::uint8_t>(number),
                          {reading.fallback, Fit::ElseDefault, low, high});
        case Fit::AboveIsOne:
            return number > high ? 1 : std::max(number, low);
    }
    return number;
}

}  // namespace tarnwick
