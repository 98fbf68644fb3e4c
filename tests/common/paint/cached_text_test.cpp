// The font a window keeps per skin load writes the same pixels as a font made for each paint,
// for every angle, style and resolution, also after its remembered widths have been replaced.
#include "common/paint/indicators.h"
#include "common/paint/text.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "tests/support/gui_app.h"

namespace tarnwick {
namespace {

QImage Window(int dotsPerMetre) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::black);
    return image;
}

IndicatorLook TextLook(const FontSpec& font, int angle) {
    IndicatorLook look;
    look.X1 = 2;
    look.Y1 = 3;
    look.X2 = 55;
    look.Y2 = 50;
    look.GroundColor = QColor(20, 40, 60);
    look.ProgressColor = QColor(200, 100, 0);
    look.Font = font;
    look.TextAngle = angle;
    return look;
}

QImage PaintWith(const IndicatorLook& look, const QString& text, int dotsPerMetre, TextFont* font) {
    QImage image = Window(dotsPerMetre);
    QPainter painter(&image);
    PaintGauge(painter, look, 40, text, true, font);
    painter.end();
    return image;
}

struct Style {
    const char* name;
    FontSpec font;
};

class CachedText : public testing::TestWithParam<int> {};

TEST_P(CachedText, WritesWhatAFreshFontWrites) {
    test::EnsureGuiApplication();
    FontSpec bold{QStringLiteral("DejaVu Sans"), 8, Qt::white, true};
    FontSpec underlined{QStringLiteral("DejaVu Serif"), 11, QColor(250, 250, 0)};
    underlined.underline = true;
    underlined.italic = true;
    FontSpec struck{QStringLiteral("DejaVu Sans"), -7, Qt::cyan};  // a height, as some skins give
    struck.strikeout = true;
    FontSpec italic{QStringLiteral("DejaVu Serif"), 9, QColor(0, 255, 128)};
    italic.italic = true;
    const FontSpec plain{QStringLiteral("DejaVu Sans Mono"), 12, Qt::magenta};
    const Style styles[] = {{"bold", bold},
                            {"underlined", underlined},
                            {"struck", struck},
                            {"italic", italic},
                            {"plain", plain}};
    // More texts than the font remembers, twice over, so replaced widths are measured again.
    std::vector<QString> texts;
    for (int i = 0; i < static_cast<int>(TextFont::kRemembered) + 5; ++i) {
        texts.push_back(QStringLiteral("%1 %").arg(i * 7));
    }
    texts.push_back(QStringLiteral("-1400 MHz"));
    texts.push_back(QStringLiteral("9.4 kB"));
    for (int dotsPerMetre : {kDotsPerMetre96Dpi, 4724}) {  // 96 and 120 dpi
        for (const Style& style : styles) {
            const IndicatorLook look = TextLook(style.font, GetParam());
            TextFont kept;
            for (int pass = 0; pass < 2; ++pass) {
                for (const QString& text : texts) {
                    ASSERT_EQ(PaintWith(look, text, dotsPerMetre, &kept),
                              PaintWith(look, text, dotsPerMetre, nullptr))
                        << style.name << " '" << text.toStdString() << "' at " << dotsPerMetre;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, CachedText, testing::Values(0, 90, 180, 270));

TEST(CachedText, FollowsANewSkinFont) {
    test::EnsureGuiApplication();
    TextFont kept;
    const IndicatorLook small = TextLook(FontSpec{QStringLiteral("DejaVu Sans"), 7, Qt::white}, 0);
    const IndicatorLook large = TextLook(FontSpec{QStringLiteral("DejaVu Sans"), 14, Qt::red}, 0);
    const QString text = QStringLiteral("55 %");
    EXPECT_EQ(PaintWith(small, text, kDotsPerMetre96Dpi, &kept),
              PaintWith(small, text, kDotsPerMetre96Dpi, nullptr));
    EXPECT_EQ(PaintWith(large, text, kDotsPerMetre96Dpi, &kept),
              PaintWith(large, text, kDotsPerMetre96Dpi, nullptr));
}

}  // namespace
}  // namespace tarnwick
