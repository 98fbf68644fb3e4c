#include "data/app_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// What the built-in icon must behave like: a plain icon of the eight pictures as Qt's reader
// decodes them.
QIcon PlainIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/tarnwick/tarnwick-%1.png").arg(size));
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(size, size)) << reader.errorString().toStdString();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QImage Painted(const QIcon& icon, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    QImage canvas(300, 300, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::darkCyan);
    QPainter painter(&canvas);
    icon.paint(&painter, rect, Qt::AlignCenter, mode, state);
    painter.end();
    return canvas;
}

class BuiltInAppIconTest : public testing::Test {
protected:
    const QIcon plain_ = PlainIcon();
    const QIcon builtIn_ = BuiltInAppIcon();
};

// The sizes offered, and requests that match a picture, fall between two, lie beyond both ends
// or are not square; repeated ones too, which are answered from a kept picture.
TEST_F(BuiltInAppIconTest, AnswersEveryRequestAsAPlainIconDoes) {
    const QSize requests[] = {{16, 16}, {24, 24}, {256, 256}, {64, 64},   {20, 20},
                              {23, 23}, {23, 23}, {100, 100}, {300, 300}, {8, 8},
                              {30, 20}, {16, 64}, {0, 0},     {22, 22},   {48, 48}};
    ASSERT_FALSE(builtIn_.isNull());
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
        for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
            EXPECT_EQ(builtIn_.availableSizes(mode, state), plain_.availableSizes(mode, state));
            for (const QSize& size : requests) {
                const std::string where = std::to_string(size.width()) + "x" +
                                          std::to_string(size.height()) + " mode " +
                                          std::to_string(mode) + " state " + std::to_string(state);
                EXPECT_EQ(builtIn_.actualSize(size, mode, state),
                          plain_.actualSize(size, mode, state))
                    << where;
                // The pixels as the window system takes them, and as a painter reads them.
                const QPixmap pixmap = builtIn_.pixmap(size, mode, state);
                const QPixmap expected = plain_.pixmap(size, mode, state);
                EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                          expected.toImage().convertToFormat(QImage::Format_ARGB32))
                    << where;
                EXPECT_EQ(pixmap.hasAlphaChannel(), expected.hasAlphaChannel()) << where;
                const QRect rect(7, 5, size.width(), size.height());
                EXPECT_EQ(Painted(builtIn_, rect, mode, state), Painted(plain_, rect, mode, state))
                    << where;
            }
        }
    }
}

}  // namespace
}  // namespace tarnwick
