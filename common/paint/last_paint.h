#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// What an indicator showed at its last paint. A tick whose reading would paint the very picture
// that is on the screen skips the paint and the copy to the screen: the gauge of a steady
// reading, a diagram whose columns and text came out the same. Forget() whenever something else
// drew over the indicator's rectangle (a cleared window, a new skin, a neighbour that overlaps
// it), so the next paint draws in full.
//
// Remembering keeps its storage: a text of up to kTextRoom characters and a diagram as wide as
// the last one are copied without an allocation.
class GaugeMemo {
public:
    static constexpr std::size_t kTextRoom = 64;
    GaugeMemo() { text_.reserve(kTextRoom); }

    // True when the value (clamped to 0..100, as the gauge draws it), the text and whether the
    // text shows are those of the last paint; otherwise remembers them and answers false.
    bool Unchanged(int value, std::string_view text, bool showText);
    void Forget() { known_ = false; }

private:
    bool known_ = false;
    int value_ = 0;
    bool showText_ = false;
    std::string text_;
};

class DiagramMemo {
public:
    DiagramMemo() { text_.reserve(GaugeMemo::kTextRoom); }

    // The same for the diagram's columns (each a percentage, above 100 drawn as 100), its text
    // and its text switch.
    bool Unchanged(const std::uint8_t columns[], int count, std::string_view text, bool showText);
    void Forget() { known_ = false; }

private:
    bool known_ = false;
    bool showText_ = false;
    std::vector<std::uint8_t> columns_;
    std::string text_;
};

}  // namespace tarnwick
