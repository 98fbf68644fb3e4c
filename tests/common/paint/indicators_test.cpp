#include "common/paint/indicators.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <vector>

#include "common/paint/text.h"
#include "tests/support/gui_app.h"

namespace tarnwick {
namespace {

const QRgb kWindow = qRgb(0, 0, 0);
const QRgb kGround = qRgb(255, 128, 192);
const QRgb kProgress = qRgb(121, 121, 255);
constexpr int kGroundTag = 10;
constexpr int kProgressTag = 200;

// A picture whose pixels tell where they came from: red = column, green = row, blue = tag.
QImage Coded(int width, int height, int tag) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x, y, tag));
        }
    }
    return image;
}

IndicatorLook Look(int x1, int y1, int x2, int y2, bool graphic = false) {
    IndicatorLook look;
    look.X1 = x1;
    look.Y1 = y1;
    look.X2 = x2;
    look.Y2 = y2;
    look.GroundColor = QColor(kGround);
    look.ProgressColor = QColor(kProgress);
    look.Graphic = graphic;
    look.GroundPicture = Coded(x2 - x1 + 1, y2 - y1 + 1, kGroundTag);
    look.ProgressPicture = Coded(x2 - x1 + 1, y2 - y1 + 1, kProgressTag);
    return look;
}

// The built-in window, 50 x 39 at 96 dpi, in the window colour, after the paint.
QImage Paint(const std::function<void(QPainter&)>& paint) {
    QImage image(50, 39, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre96Dpi);
    image.setDotsPerMeterY(kDotsPerMetre96Dpi);
    image.fill(kWindow);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}
QImage Gauge(const IndicatorLook& look, int value, bool showText = false) {
    return Paint([&](QPainter& p) { PaintGauge(p, look, value, QStringLiteral("50%"), showText); });
}
QImage Diagram(const IndicatorLook& look, const std::vector<std::uint8_t>& history) {
    return Paint([&](QPainter& p) {
        PaintDiagram(p, look, history.data(), static_cast<int>(history.size()), {}, false);
    });
}

// Compares every pixel of the window with the expectation for it; stops at the first miss.
void ExpectPixels(const QImage& image, const std::function<QRgb(int, int)>& expected) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(image.pixel(x, y), expected(x, y)) << "at " << x << "," << y;
        }
    }
}

struct GaugeCase {
    bool horizontal;
    int value;
    QRect progress;  // the part of (1, 1)-(48, 18) that shows progress
};

TEST(Gauge, FillsTheRoundedShareFromColoursAndPictures) {
    const GaugeCase cases[] = {
        {true, 50, QRect(QPoint(1, 1), QPoint(25, 18))},  // colour: 1 + Round(23.5) = 25
        {true, 1, QRect(1, 1, 1, 18)},                    // Round(0.47) = 0, yet one column
        {true, 0, QRect()},
        {true, -5, QRect()},
        {true, 100, QRect(1, 1, 48, 18)},
        {true, 130, QRect(1, 1, 48, 18)},
        {false, 50, QRect(QPoint(1, 10), QPoint(48, 18))},  // 18 - Round(8.5) = 10
        {false, 1, QRect(1, 18, 48, 1)},
    };
    const QRect gauge(QPoint(1, 1), QPoint(48, 18));
    for (const GaugeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.horizontal << " " << c.value);
        IndicatorLook look = Look(1, 1, 48, 18);
        look.Horizontal = c.horizontal;
        ExpectPixels(Gauge(look, c.value), [&](int x, int y) {
            return !gauge.contains(x, y)       ? kWindow
                   : c.progress.contains(x, y) ? kProgress
                                               : kGround;
        });
    }
    const GaugeCase pictureCases[] = {
        {true, 1, QRect()},  // Round(0.48) = 0: all ground, unlike the colour gauge
        {true, 50, QRect(1, 1, 24, 18)},
        // Halves of a 48 x 36 bitmap: rows 9..17 of progress to rows 10..18, 0..8 of ground
        // to rows 1..9.
        {false, 50, QRect(QPoint(1, 10), QPoint(48, 18))},
    };
    for (const GaugeCase& c : pictureCases) {
        SCOPED_TRACE(testing::Message() << "picture " << c.horizontal << " " << c.value);
        IndicatorLook look = Look(1, 1, 48, 18, true);
        look.Horizontal = c.horizontal;
        ExpectPixels(Gauge(look, c.value), [&](int x, int y) {
            return !gauge.contains(x, y)
                       ? kWindow
                       : qRgb(x - 1, y - 1, c.progress.contains(x, y) ? kProgressTag : kGroundTag);
        });
    }
}

TEST(Gauge, TextGoesOverTheBarAndAPaintWithoutItWipesIt) {
    test::EnsureGuiApplication();
    IndicatorLook look = Look(1, 1, 48, 18);
    look.Font = FontSpec{QStringLiteral("DejaVu Sans"), 8, Qt::white, true};
    const QImage withText = Gauge(look, 50, true);
    EXPECT_NE(withText, Gauge(look, 50));
    QImage image = withText;
    QPainter painter(&image);
    PaintGauge(painter, look, 50, QStringLiteral("50%"), false);
    painter.end();
    EXPECT_EQ(image, Gauge(look, 50));
}

TEST(Indicators, InvertedRectanglesAndMissingPicturesDrawNothing) {
    const QImage untouched = Paint([](QPainter&) {});
    EXPECT_EQ(Gauge(Look(48, 1, 1, 18), 50, true), untouched);
    EXPECT_EQ(Diagram(Look(1, 37, 48, 1), std::vector<std::uint8_t>(48, 50)), untouched);
    IndicatorLook look = Look(1, 1, 48, 18, true);
    look.GroundPicture = QImage();
    look.ProgressPicture = QImage();
    EXPECT_EQ(Gauge(look, 50), untouched);
    look.Horizontal = false;
    EXPECT_EQ(Gauge(look, 50), untouched);
    EXPECT_EQ(Diagram(look, std::vector<std::uint8_t>(48, 50)), untouched);
}

// Sample per column of the built-in diagram (1, 1)-(48, 37), D = 36, and the k each gives:
// a column is k + 1 pixels long.
const std::vector<std::uint8_t> kSamples = {1, 100, 50, 0, 200};
int K(int column) {
    const int i = column - 1;
    const int k[] = {0, 36, 18, -1, 36};  // 200 draws as 100
    return i < 5 ? k[i] : -1;
}

TEST(Diagram, ColumnsStandOnTheBottomOrHangFromTheTop) {
    for (bool upward : {true, false}) {
        IndicatorLook look = Look(1, 1, 48, 37);
        look.Upward = upward;
        ExpectPixels(Diagram(look, kSamples), [&](int x, int y) {
            if (x < 1 || x > 48 || y < 1 || y > 37) {
                return kWindow;
            }
            const int j = upward ? 37 - y : y - 1;  // pixel counted from the anchored edge
            return j <= K(x) ? kProgress : kGround;
        });
    }
}

TEST(Diagram, PicturesGroundScaledColumnsUnscaledAndCutToTheProgressPicture) {
    for (bool upward : {true, false}) {
        IndicatorLook look = Look(1, 1, 48, 37, true);
        look.Upward = upward;
        look.GroundPicture = Coded(24, 37, kGroundTag);      // stretched to 48 columns
        look.ProgressPicture = Coded(48, 20, kProgressTag);  // 20 rows: k = 36 is cut
        ExpectPixels(Diagram(look, kSamples), [&](int x, int y) {
            if (x < 1 || x > 48 || y < 1 || y > 37) {
                return kWindow;
            }
            const int j = upward ? 37 - y : y - 1;
            if (j <= K(x) && j < 20) {
                return qRgb(x - 1, upward ? 19 - j : j, kProgressTag);
            }
            return qRgb((x - 1) / 2, y - 1, kGroundTag);
        });
    }
}

}  // namespace
}  // namespace tarnwick
