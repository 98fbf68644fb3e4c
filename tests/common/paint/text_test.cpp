#include "common/paint/text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "tests/support/gui_app.h"

namespace tarnwick {
namespace {

TEST(Text, StartPointsAndFontSizes) {
    // Rectangle (1, 1, 49, 19): W = 49, H = 19; text 30 x 13.
    EXPECT_EQ(TextStartPoint(1, 1, 49, 19, 30, 13, 0), QPoint(10, 3));  // Round(9.5) = 10
    EXPECT_EQ(TextStartPoint(1, 1, 49, 19, 28, 13, 0), QPoint(10, 3));  // Round(10.5) = 10
    EXPECT_EQ(TextStartPoint(1, 1, 49, 19, 30, 13, 90), QPoint(18, 26));
    EXPECT_EQ(TextStartPoint(1, 1, 49, 19, 30, 13, 180), QPoint(40, 17));
    EXPECT_EQ(TextStartPoint(1, 1, 49, 19, 30, 13, 270), QPoint(32, -6));  // Round(-5.5) = -6
    EXPECT_EQ(TextStartPoint(1, 1, 49, 19, 30, 13, 45), QPoint(10, 3));
    EXPECT_EQ(MakeFont(FontSpec{}, 96).pixelSize(), 12);                        // 9 pt
    EXPECT_EQ(MakeFont(FontSpec{QStringLiteral("x"), 8}, 96).pixelSize(), 11);  // 10.67
}

struct Written {
    QRect ink;  // the pixels the text touched
    QRect box;  // the text's box turned about its start point, from the font's metrics
};

// Writes the text in white into the rectangle (left, top, right, bottom) of a black image.
Written Write(const QString& text, int angle, QRect area) {
    test::EnsureGuiApplication();
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QFont font = MakeFont(FontSpec{QStringLiteral("DejaVu Sans"), 8}, 96);
    const QFontMetrics metrics(font, &image);
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const QPoint s =
        TextStartPoint(area.left(), area.top(), area.right(), area.bottom(), w, h, angle);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    DrawRotatedText(painter, area.left(), area.top(), area.right(), area.bottom(), text, angle);
    painter.end();
    Written written;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                written.ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const QRect boxes[] = {QRect(s.x(), s.y(), w, h), QRect(s.x(), s.y() - w, h, w),
                           QRect(s.x() - w, s.y() - h, w, h), QRect(s.x() - h, s.y(), h, w)};
    written.box = boxes[angle / 90];
    return written;
}

class RotatedText : public testing::TestWithParam<int> {};

TEST_P(RotatedText, LandsInItsTurnedBoxAndReadsFromTheStartPoint) {
    const int angle = GetParam();
    const QRect area(QPoint(10, 10), QPoint(110, 110));
    const Written digits = Write(QStringLiteral("12345 MB"), angle, area);
    ASSERT_FALSE(digits.ink.isEmpty());
    // A glyph may reach one pixel past its advance.
    EXPECT_TRUE(digits.box.adjusted(-1, -1, 1, 1).contains(digits.ink));
    EXPECT_EQ(angle % 180 == 0, digits.ink.width() > digits.ink.height());

    // Trailing blanks count in the width, so the ink sits at the start of the box: left at
    // 0, bottom at 90 (running upward), right at 180, top at 270.
    const Written lead = Write(QStringLiteral("8                "), angle, area);
    const QPoint offset = lead.ink.center() - lead.box.center();
    const QPoint direction[] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
    EXPECT_GT(QPoint::dotProduct(offset, direction[angle / 90]), 10);
}

TEST_P(RotatedText, StaysInsideTheIndicatorWhenTooLong) {
    // An indicator (1, 1)-(48, 18) passes its rectangle with the far edges one past.
    const Written written = Write(QStringLiteral("1234567890 MB free"), GetParam(),
                                  QRect(QPoint(1, 1), QPoint(49, 19)));
    ASSERT_FALSE(written.ink.isEmpty());
    EXPECT_TRUE(QRect(QPoint(1, 1), QPoint(48, 18)).contains(written.ink));
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatedText, testing::Values(0, 90, 180, 270));

// One string reused for every reading holds each text exactly as a fresh string would, whatever
// it held before and even while another string shares its characters.
TEST(Text, ReusedStringTakesEachReading) {
    const char* const readings[] = {"37 %", "", "2096 MB", "100 %", "5 \xC2\xB5s \xC3\xBC", "9"};
    QString reused = QStringLiteral("a longer text than any reading");
    for (const char* reading : readings) {
        SCOPED_TRACE(reading);
        const QString earlier = reused;  // shares the characters until reused changes
        const QString earlierCopy(earlier.constData(), earlier.size());
        AssignUtf8(reused, reading);
        EXPECT_EQ(reused, QString::fromUtf8(reading));
        EXPECT_EQ(earlier, earlierCopy);
    }
}

// The remembered widths belong to the font: a caller that rewrites its one string in place
// still gets each text's own width, the earlier texts' included.
TEST(Text, RememberedWidthsSurviveTheCallersReusedString) {
    test::EnsureGuiApplication();
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(kDotsPerMetre96Dpi);
    device.setDotsPerMeterY(kDotsPerMetre96Dpi);
    const FontSpec skinFont{QStringLiteral("DejaVu Sans"), 8, Qt::white};
    TextFont font(skinFont, device);
    const QFontMetrics metrics(MakeFont(skinFont, device.logicalDpiY()), &device);
    const char* const readings[] = {"1 %", "100 %", "WWW", "1 %", "i", "100 %"};
    QString reused;
    for (const char* reading : readings) {
        SCOPED_TRACE(reading);
        AssignUtf8(reused, reading);
        EXPECT_EQ(font.Width(reused), metrics.horizontalAdvance(QString::fromUtf8(reading)));
    }
}

}  // namespace
}  // namespace tarnwick
