#include "common/skin/skin.h"
#include "common/skin/skin_list.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Every skin we ship loads as drawn: its pictures are the size of their indicators, so the
// painting copies them 1:1, and its rectangles lie inside the window.
TEST(ShippedSkins, EveryOneLoadsWithItsPictures) {
    const std::vector<SkinEntry> skins = SkinList(QStringLiteral(TARNWICK_SHIPPED_SKINS));
    ASSERT_GE(skins.size(), 3u);
    int pictures = 0;
    int strips = 0;
    for (const SkinEntry& skin : skins) {
        SCOPED_TRACE(skin.path.toStdString());
        EXPECT_FALSE(skin.name.isEmpty());
        const std::optional<SkinLook> look = ReadSkin(skin.path);
        ASSERT_TRUE(look && SkinIsUsable(skin.path));
        for (const IndicatorLook& indicator : look->indicators) {
            const QRect rect(QPoint(indicator.X1, indicator.Y1),
                             QPoint(indicator.X2, indicator.Y2));
            EXPECT_TRUE(QRect(0, 0, look->width, look->height).contains(rect));
            if (indicator.Graphic) {
                ++pictures;
                EXPECT_EQ(indicator.GroundPicture.size(), rect.size());
                EXPECT_EQ(indicator.ProgressPicture.size(), rect.size());
            }
        }
        strips += look->trayStrip.isNull() ? 0 : 1;
    }
    EXPECT_GT(pictures, 0);
    EXPECT_GT(strips, 0);
}

}  // namespace
}  // namespace tarnwick
