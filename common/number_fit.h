#pragma once

#include <cstdint>

namespace tarnwick {

// How a reader makes a number of the file into a value it works with.
enum class Fit {
    AsRead,           // any number
    Clamp,            // below low reads as low, above high as high
    ByteThenClamp,    // the low 8 bits first (the monitor keeps these keys in one byte)
    ElseDefault,      // a number outside low..high reads as the default
    ByteElseDefault,  // the low 8 bits first, then as ElseDefault
    AboveIsOne,       // below low reads as low, above high as 1
};

struct Reading {
    std::int32_t fallback = 0;  // a missing key, or a text that is no number
    Fit fit = Fit::AsRead;
    std::int32_t low = 0;
    std::int32_t high = 0;
};

// What a number of a file reads as for a reader.
std::int32_t Fitted(std::int32_t number, const Reading& reading);

}  // namespace tarnwick
