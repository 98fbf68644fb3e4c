#include "common/paint/last_paint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

struct GaugeStep {
    int value;
    const char* text;
    bool showText;
    bool unchanged;  // what the memo answers to this reading
};

TEST(GaugeMemo, AnswersWhetherTheGaugeWouldLookTheSame) {
    const GaugeStep steps[] = {
        {40, "40 %", true, false},    // nothing painted yet
        {40, "40 %", true, true},     // a steady reading
        {41, "40 %", true, false},    // another bar
        {41, "41 %", true, false},    // another text
        {41, "41 %", false, false},   // the text switched off
        {41, "other", false, true},   // without its text the gauge ignores the text
        {41, "other", true, false},   // and shows it again
        {130, "other", true, false},  // drawn as 100
        {100, "other", true, true},   // the same bar as 130
        {-5, "other", true, false},  {0, "other", true, true},  // the same bar as -5
    };
    GaugeMemo memo;
    for (const GaugeStep& step : steps) {
        EXPECT_EQ(memo.Unchanged(step.value, step.text, step.showText), step.unchanged)
            << step.value << " '" << step.text << "'";
    }
    memo.Forget();  // something drew over the gauge
    EXPECT_FALSE(memo.Unchanged(0, "other", true));
    EXPECT_TRUE(memo.Unchanged(0, "other", true));
}

TEST(GaugeMemo, KeepsALongTextExactly) {
    GaugeMemo memo;
    const std::string longer(GaugeMemo::kTextRoom * 2, 'x');
    EXPECT_FALSE(memo.Unchanged(5, longer, true));
    EXPECT_TRUE(memo.Unchanged(5, longer, true));
    EXPECT_FALSE(memo.Unchanged(5, longer.substr(1), true));
}

struct DiagramStep {
    std::vector<std::uint8_t> columns;
    const char* text;
    bool showText;
    bool unchanged;
};

TEST(DiagramMemo, AnswersWhetherTheDiagramWouldLookTheSame) {
    const DiagramStep steps[] = {
        {{0, 0, 0}, "0 %", true, false},
        {{0, 0, 0}, "0 %", true, true},     // a steady zero scrolls into the same picture
        {{0, 0, 5}, "0 %", true, false},    // a new sample
        {{0, 5, 5}, "5 %", true, false},    // the older one moved one column
        {{0, 5, 5}, "5 %", false, false},   // the text switched off
        {{0, 5, 5}, "x", false, true},      // no text on the picture
        {{0, 5, 5, 0}, "x", false, false},  // a wider history after a skin load
        {{0, 5, 5, 200}, "x", false, false},
        {{0, 5, 5, 100}, "x", false, true},  // 200 draws as 100
        {{}, "x", false, false},
    };
    DiagramMemo memo;
    for (const DiagramStep& step : steps) {
        EXPECT_EQ(memo.Unchanged(step.columns.data(), static_cast<int>(step.columns.size()),
                                 step.text, step.showText),
                  step.unchanged)
            << step.columns.size() << " columns, '" << step.text << "'";
    }
    const std::uint8_t columns[] = {1, 2};
    EXPECT_FALSE(memo.Unchanged(columns, 2, "t", true));
    memo.Forget();
    EXPECT_FALSE(memo.Unchanged(columns, 2, "t", true));
}

}  // namespace
}  // namespace tarnwick
