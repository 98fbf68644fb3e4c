#include "common/numbers.h"

#include "common/errors.h"

#include <cmath>
#include <limits>

namespace tarnwick {

std::int64_t RoundHalfEven(long double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // nearbyint rounds in the current mode, which the programs never change from
    // round-to-nearest-even.
    const long double rounded = std::nearbyint(value);
    constexpr long double kMax = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    constexpr long double kMin = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    if (rounded >= kMax) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (rounded <= kMin) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(rounded);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Digits in the given base into a magnitude; nothing when empty, not digits or beyond 2^31.
std::optional<std::uint64_t> Magnitude(std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = base == 16 ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * base + d;
        if (value > (std::uint64_t{1} << 31)) {
            return std::nullopt;
        }
    }
    return value;
}

}  // namespace

bool IsIntegerText(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsDigit(c) && !(i == 0 && (c == '+' || c == '-'))) {
            return false;
        }
    }
    return true;
}

bool IsNonNegativeNumber(std::string_view text) {
    if (!IsIntegerText(text)) {
        return false;
    }
    const std::optional<std::int32_t> value = ParseProfileInteger(text);
    if (!value) {
        throw ConvertError(std::string(text));
    }
    return *value >= 0;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint64_t> magnitude;
    if (!text.empty() && text[0] == '$') {
        magnitude = Magnitude(text.substr(1), 16);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        magnitude = Magnitude(text.substr(2), 16);
    } else {
        magnitude = Magnitude(text, 10);
    }
    if (!magnitude) {
        return std::nullopt;
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace tarnwick
