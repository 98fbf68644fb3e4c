#include "common/texts.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// The settings window's measure buttons and the monitor's menus read one list; what the
// button shows must be the menu's caption without its accelerator, for every measure.
TEST(Texts, MeasureButtonsShowTheMenuCaptionsWithoutAccelerators) {
    EXPECT_EQ(MeasureButtonCaption(1), "Processor | Usage, %");
    EXPECT_EQ(MeasureButtonCaption(4), "Processor | Freely, MHz");
    EXPECT_EQ(MeasureButtonCaption(7), "Operative memory | Usage, MB");
    EXPECT_EQ(MeasureButtonCaption(16), "Virtual memory | Freely, MB");
    EXPECT_EQ(MeasureButtonCaption(0), MeasureButtonCaption(1));  // out of range: nearest end
    EXPECT_EQ(MeasureButtonCaption(17), MeasureButtonCaption(16));
    for (int measure = 1; measure <= kMeasureCount; ++measure) {
        EXPECT_FALSE(MeasureButtonCaption(measure).contains(QLatin1Char('&'))) << measure;
    }
    EXPECT_EQ(WithoutAccelerators(QStringLiteral("Fr&eely && more&")), "Freely & more&");
    EXPECT_TRUE(MeasureKindCaption(17).isEmpty());
}

}  // namespace
}  // namespace tarnwick
