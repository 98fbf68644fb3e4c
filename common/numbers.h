#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnwick {

// Every rounding of the programs: to the nearest integer, ties to the even one (12.5 -> 12,
// 13.5 -> 14). Not a number gives 0; values beyond 64 bits saturate.
std::int64_t RoundHalfEven(long double value);

// True when the text is not empty and holds only decimal digits, except that the first
// character may be a sign (so a lone "+" passes).
bool IsIntegerText(std::string_view text);

// IsIntegerText and a value of 0 or more. A text that passes IsIntegerText but does not
// convert to a signed 32-bit integer (a lone sign, too many digits) throws ConvertError.
bool IsNonNegativeNumber(std::string_view text);

// The integer encoding of profile files: decimal with an optional sign, "0x"/"0X" + hex
// when the text is longer than two characters, or "$" + hex. Anything else, and any value
// outside signed 32 bits, gives nothing.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

}  // namespace tarnwick
