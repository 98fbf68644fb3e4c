#include "common/paint/see_through.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>

#include "common/paint/indicators.h"
#include "common/paint/text.h"
#include "tests/support/gui_app.h"

namespace tarnwick {
namespace {

const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kGround = qRgb(20, 40, 60);
const QRgb kProgress = qRgb(40, 186, 200);

IndicatorLook Gauge(int x1, int y1, int x2, int y2) {
    IndicatorLook look;
    look.X1 = x1;
    look.Y1 = y1;
    look.X2 = x2;
    look.Y2 = y2;
    look.GroundColor = QColor(kGround);
    look.ProgressColor = QColor(kProgress);
    look.Horizontal = false;
    return look;
}

QImage Canvas(const std::function<void(QPainter&)>& paint) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre96Dpi);
    image.setDotsPerMeterY(kDotsPerMetre96Dpi);
    image.fill(kMagenta);
    QPainter painter(&image);
    paint(painter);
    return image;
}

// The region holds exactly the pixels that are not magenta.
void ExpectShapeOf(const QImage& image, const QRegion& region) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(region.contains(QPoint(x, y)), (image.pixel(x, y) & 0xFFFFFF) != 0xFF00FF)
                << "pixel " << x << "," << y;
        }
    }
}

QRegion ShapeOf(const QImage& image) {
    SeeThroughShape shape;
    shape.Reset(image, true, kMagenta);
    return shape.Region();
}

TEST(SeeThroughShape, KeepsEveryPaintedPixelThatIsNotTheSeeThroughColour) {
    test::EnsureGuiApplication();  // the gauge writes its text
    // A picture gauge with holes of the see-through colour in both halves.
    IndicatorLook picture = Gauge(22, 3, 37, 26);
    picture.Graphic = true;
    picture.GroundPicture = QImage(16, 24, QImage::Format_RGB32);
    picture.GroundPicture.fill(kGround);
    picture.ProgressPicture = picture.GroundPicture.copy();
    for (int y = 0; y < 24; y += 3) {
        picture.GroundPicture.setPixel(y % 16, y, kMagenta);
        picture.ProgressPicture.setPixel(15 - y % 16, y, kMagenta);
    }
    const QImage gauges = Canvas([&](QPainter& p) {
        PaintGauge(p, Gauge(2, 3, 17, 26), 40, QStringLiteral("40%"), true);
        PaintGauge(p, picture, 60, QString(), false);
    });
    for (const QImage& image : {gauges, Canvas([](QPainter&) {})}) {
        ExpectShapeOf(image, ShapeOf(image));
    }
    EXPECT_TRUE(ShapeOf(Canvas([](QPainter&) {})).isEmpty());
    EXPECT_TRUE(ShapeOf(gauges).contains(QRect(2, 3, 16, 24)));
}

TEST(SeeThroughShape, TellsWhichPaintsChangeTheShape) {
    const IndicatorLook opaque = Gauge(2, 2, 17, 27);
    IndicatorLook floating = Gauge(22, 2, 37, 27);
    floating.GroundColor = QColor(kMagenta);  // only the filled part shows
    QImage image = Canvas([&](QPainter& p) {
        PaintGauge(p, opaque, 10, QString(), false);
        PaintGauge(p, floating, 10, QString(), false);
    });
    SeeThroughShape shape;
    shape.Reset(image, true, kMagenta);
    const auto paint = [&](const IndicatorLook& look, int value) {
        QPainter painter(&image);
        PaintGauge(painter, look, value, QString(), false);
        painter.end();
        return shape.Update(image, QRect(QPoint(look.X1, look.Y1), QPoint(look.X2, look.Y2)));
    };
    EXPECT_FALSE(paint(opaque, 90));  // a new reading over an opaque ground
    EXPECT_TRUE(paint(floating, 90));
    ExpectShapeOf(image, shape.Region());
    EXPECT_FALSE(paint(floating, 90));
    EXPECT_TRUE(paint(floating, 30));
    ExpectShapeOf(image, shape.Region());

    shape.Reset(image, false, kMagenta);
    EXPECT_FALSE(paint(floating, 70));
    EXPECT_TRUE(shape.Region().isEmpty());
}

}  // namespace
}  // namespace tarnwick
