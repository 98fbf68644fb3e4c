// A painter kept begun on the window's canvas, writing laid-out glyph runs, paints exactly what
// a painter begun for the paint writes with drawText and a font made for it: every text a gauge
// or the diagram shows, in the fonts of the built-in look and of every shipped skin.
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

// The readings' texts: shares and their free form, clock speeds and sizes in both decimal
// points. More of them than a font remembers, so laid-out texts are also replaced.
std::vector<QString> ReadingTexts() {
    std::vector<QString> texts;
    for (int i = 0; i <= 100; ++i) {
        texts.push_back(QStringLiteral("%1 %").arg(i));
        texts.push_back(QStringLiteral("-%1 %").arg(i));
    }
    for (int mhz : {0, 800, 1400, 2096, 3999}) {
        texts.push_back(QStringLiteral("%1 MHz").arg(mhz));
        texts.push_back(QStringLiteral("-%1 MHz").arg(mhz));
    }
    for (int tenths = 10; tenths < 100; tenths += 7) {
        texts.push_back(QStringLiteral("%1.%2 MB").arg(tenths / 10).arg(tenths % 10));
        texts.push_back(QStringLiteral("-%1,%2 kB").arg(tenths / 10).arg(tenths % 10));
    }
    for (int mb : {10, 512, 2096, 15873, 123456}) {
        texts.push_back(QStringLiteral("%1 MB").arg(mb));
        texts.push_back(QStringLiteral("-%1 MB").arg(mb));
    }
    texts.push_back(QStringLiteral("512 B"));
    texts.push_back(QStringLiteral("-7 kB"));
    return texts;
}

struct NamedLook {
    const char* name;
    SkinLook look;
};

std::vector<NamedLook> ShippedLooks() {
    std::vector<NamedLook> looks{{"built-in", BuiltInLook()}};
    for (const char* name : {"ember", "graphite", "tidepool"}) {
        const QString path =
            QStringLiteral(TARNWICK_SKINS "/%1/%1.skin").arg(QString::fromLatin1(name));
        const std::optional<SkinLook> look = ReadSkin(path);
        EXPECT_TRUE(look.has_value()) << name;
        if (look) {
            looks.push_back({name, *look});
        }
    }
    return looks;
}

QImage Canvas(const SkinLook& look) {
    QImage canvas(look.width, look.height, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kDotsPerMetre96Dpi);
    canvas.setDotsPerMeterY(kDotsPerMetre96Dpi);
    canvas.fill(look.background);
    return canvas;
}

// The two gauges and the diagram take turns on one canvas, as the timers of the two display
// modes would, so each paint finds the state the other indicators' paints left in the painter.
TEST(KeptPainter, WritesWhatAPainterBegunForThePaintWrites) {
    test::EnsureGuiApplication();
    const std::vector<QString> texts = ReadingTexts();
    std::vector<std::uint8_t> history(200);
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i] = static_cast<std::uint8_t>((i * 37) % 101);
    }
    const int count = static_cast<int>(history.size());
    for (const NamedLook& named : ShippedLooks()) {
        const SkinLook& look = named.look;
        QImage kept = Canvas(look);
        QImage fresh = Canvas(look);
        QPainter painter(&kept);
        std::array<TextFont, 3> fonts;
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t t = 0; t < texts.size(); ++t) {
                const QString& text = texts[t];
                const int value = static_cast<int>(t % 101);
                for (int i = 0; i < 3; ++i) {
                    const IndicatorLook& indicator = look.indicators[static_cast<std::size_t>(i)];
                    TextFont& font = fonts[static_cast<std::size_t>(i)];
                    QPainter once(&fresh);
                    if (i < 2) {
                        RepaintGauge(painter, indicator, value, text, true, font);
                        PaintGauge(once, indicator, value, text, true);
                    } else {
                        RepaintDiagram(painter, indicator, history.data() + t % 50, count, text,
                                       true, font);
                        PaintDiagram(once, indicator, history.data() + t % 50, count, text, true);
                    }
                    once.end();
                    ASSERT_EQ(kept, fresh) << named.name << " indicator " << i + 1 << " '"
                                           << text.toStdString() << "' pass " << pass;
                }
            }
        }
    }
}

// A text too long for its indicator is cut at the indicator's edges, and the clip that cuts it
// does not reach the next paint.
TEST(KeptPainter, CutsALongTextAndLeavesNoClip) {
    test::EnsureGuiApplication();
    const SkinLook look = BuiltInLook();
    const IndicatorLook& gauge = look.indicators[0];
    const QString tooLong = QStringLiteral("-123456789 MB");
    for (int angle : {0, 90, 180, 270}) {
        IndicatorLook turned = gauge;
        turned.TextAngle = angle;
        QImage kept = Canvas(look);
        QImage fresh = Canvas(look);
        QPainter painter(&kept);
        TextFont font;
        RepaintGauge(painter, turned, 50, tooLong, true, font);
        QPainter once(&fresh);
        PaintGauge(once, turned, 50, tooLong, true);
        once.end();
        EXPECT_EQ(kept, fresh) << angle;
        ClearWindow(painter, kept.rect(), Qt::darkGreen);
        QImage cleared = Canvas(look);
        cleared.fill(Qt::darkGreen);
        EXPECT_EQ(kept, cleared) << angle;
    }
}

}  // namespace
}  // namespace tarnwick
