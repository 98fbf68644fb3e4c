// A painter kept begun on the window's canvas, writing laid-out glyph runs, paints exactly what
// a painter begun for the paint writes with drawText and a font made for it: every kind of text
// a gauge or the diagram shows, in the built-in look at every angle and in every shipped skin.
#include "common/paint/indicators.h"
#include "common/paint/text.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <array>
#include <cstdint>
#include <vector>

#include "common/skin/skin.h"
#include "tests/support/gui_app.h"

namespace tarnwick {
namespace {

// Shares, sizes and speeds in both forms, more of them than a font remembers (so laid-out texts
// are replaced), and one too long for any indicator, which is cut at its edges.
std::vector<QString> ReadingTexts() {
    std::vector<QString> texts{QStringLiteral("-123456789 MB"), QStringLiteral("512 B")};
    for (int i = 0; i <= 100; ++i) {
        texts.push_back(QStringLiteral("%1 %").arg(i));
        texts.push_back(QStringLiteral("-%1 %").arg(i));
    }
    for (int n : {0, 800, 2096, 15873}) {
        texts.push_back(QStringLiteral("%1 MHz").arg(n));
        texts.push_back(QStringLiteral("-%1.%2 MB").arg(n).arg(n % 10));
        texts.push_back(QStringLiteral("%1,%2 kB").arg(n / 10).arg(n % 7));
    }
    return texts;
}

std::vector<SkinLook> Looks() {
    std::vector<SkinLook> looks;
    for (int angle : {0, 90, 180, 270}) {
        SkinLook turned = BuiltInLook();
        for (IndicatorLook& indicator : turned.indicators) {
            indicator.TextAngle = angle;
        }
        looks.push_back(turned);
    }
    for (const char* name : {"ember", "graphite", "tidepool"}) {
        const auto look = ReadSkin(QStringLiteral(TARNWICK_SKINS "/%1/%1.skin").arg(name));
        EXPECT_TRUE(look.has_value()) << name;
        looks.push_back(look.value_or(BuiltInLook()));
    }
    return looks;
}

QImage Canvas(const SkinLook& look, const QColor& colour) {
    QImage canvas(look.width, look.height, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kDotsPerMetre96Dpi);
    canvas.setDotsPerMeterY(kDotsPerMetre96Dpi);
    canvas.fill(colour);
    return canvas;
}

// The two gauges and the diagram take turns on one canvas, as the timers of the two display
// modes would, so each paint finds the state the other indicators' paints left in the painter;
// a clear at the end shows that no clip was left behind.
TEST(KeptPainter, WritesWhatAPainterBegunForThePaintWritesAndLeavesNoClip) {
    test::EnsureGuiApplication();
    const std::vector<QString> texts = ReadingTexts();
    std::vector<std::uint8_t> history(200);
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i] = static_cast<std::uint8_t>((i * 37) % 101);
    }
    const std::vector<SkinLook> looks = Looks();
    for (std::size_t l = 0; l < looks.size(); ++l) {
        const SkinLook& look = looks[l];
        QImage kept = Canvas(look, look.background);
        QImage fresh = kept;
        QPainter painter(&kept);
        std::array<TextFont, 3> fonts;
        for (std::size_t t = 0; t < 2 * texts.size(); ++t) {  // twice: remembered texts too
            const QString& text = texts[t % texts.size()];
            const int value = static_cast<int>(t % 101);
            const std::uint8_t* columns = history.data() + t % 50;
            for (std::size_t i = 0; i < 3; ++i) {
                QPainter once(&fresh);
                if (i < 2) {
                    RepaintGauge(painter, look.indicators[i], value, text, true, fonts[i]);
                    PaintGauge(once, look.indicators[i], value, text, true);
                } else {
                    RepaintDiagram(painter, look.indicators[i], columns, 150, text, true, fonts[i]);
                    PaintDiagram(once, look.indicators[i], columns, 150, text, true);
                }
                once.end();
                ASSERT_EQ(kept, fresh) << "look " << l << ", indicator " << i + 1 << ", '"
                                       << text.toStdString() << "'";
            }
        }
        ClearWindow(painter, kept.rect(), Qt::darkGreen);
        EXPECT_EQ(kept, Canvas(look, Qt::darkGreen)) << "look " << l;
    }
}

}  // namespace
}  // namespace tarnwick
