#include "common/ui/contrast.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(Contrast, ColoursThatDoNotStandOutChangeOnlyTheirLightnessAndJustEnough) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor("#777777"), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(Qt::blue, QColor("#202020")), 1.89, 0.01);
    const struct {
        QColor colour;
        QColor ground;
        bool lighter;
    } cases[] = {
        {Qt::blue, QColor("#202020"), true},  // a light theme's link on a dark window
        {Qt::magenta, QColor("#efefef"), false},
        {QColor("#808080"), QColor("#777777"), false},  // black stands out more than white
        {Qt::black, Qt::black, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour.name().toStdString() + " on " + c.ground.name().toStdString());
        const QColor shown = ReadableOn(c.colour, c.ground);
        EXPECT_GE(ContrastRatio(shown, c.ground), 4.5);
        EXPECT_LT(ContrastRatio(shown, c.ground), 4.7);
        EXPECT_EQ(shown.lightnessF() > c.colour.lightnessF(), c.lighter);
        if (c.colour.hslSaturation() > 0) {
            EXPECT_NEAR(shown.hslHue(), c.colour.hslHue(), 2);
        }
    }
    EXPECT_EQ(ReadableOn(QColor("#8ab4f8"), QColor("#202020")), QColor("#8ab4f8"));
}

}  // namespace
}  // namespace tarnwick
