#include "data/app_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

QImage Painted(const QIcon& icon, const QSize& size, QIcon::Mode mode, QIcon::State state) {
    QImage canvas(300, 300, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::darkCyan);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(QPoint(7, 5), size), Qt::AlignCenter, mode, state);
    painter.end();
    return canvas;
}

// The built-in icon answers every request as a plain icon of the eight pictures, decoded by
// Qt's reader, does: sizes that match a picture, fall between two, lie beyond both ends or are
// not square, and repeated ones, which are answered from a kept picture.
TEST(BuiltInAppIcon, AnswersEveryRequestAsAPlainIconDoes) {
    QIcon plain;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image =
            QImageReader(QStringLiteral(":/tarnwick/tarnwick-%1.png").arg(size)).read();
        ASSERT_EQ(image.size(), QSize(size, size));
        plain.addPixmap(QPixmap::fromImage(image));
    }
    const QIcon builtIn = BuiltInAppIcon();
    ASSERT_FALSE(builtIn.isNull());
    const QSize requests[] = {{16, 16}, {24, 24}, {256, 256}, {64, 64},   {20, 20},
                              {23, 23}, {23, 23}, {100, 100}, {300, 300}, {8, 8},
                              {30, 20}, {16, 64}, {0, 0},     {22, 22},   {48, 48}};
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
        for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
            EXPECT_EQ(builtIn.availableSizes(mode, state), plain.availableSizes(mode, state));
            for (const QSize& size : requests) {
                SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " mode "
                                                << mode << " state " << state);
                EXPECT_EQ(builtIn.actualSize(size, mode, state),
                          plain.actualSize(size, mode, state));
                // The pixels as the window system takes them, and as a painter draws them.
                const QPixmap pixmap = builtIn.pixmap(size, mode, state);
                const QPixmap expected = plain.pixmap(size, mode, state);
                EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                          expected.toImage().convertToFormat(QImage::Format_ARGB32));
                EXPECT_EQ(pixmap.hasAlphaChannel(), expected.hasAlphaChannel());
                EXPECT_EQ(Painted(builtIn, size, mode, state), Painted(plain, size, mode, state));
            }
        }
    }
}

// Every new window of the program (each popup menu) takes the icon in all its sizes. What it
// is handed must not pile up in Qt's pixmap cache, which would grow by some 70 KB a window up
// to its limit: a picture filed there before all these windows is still there after them.
TEST(BuiltInAppIcon, NewWindowsFileNoCopiesInQtsPixmapCache) {
    const int limit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(1024);  // KB, fifteen windows' worth of copies
    QPixmap earlier(64, 64);
    earlier.fill(Qt::red);
    const QPixmapCache::Key key = QPixmapCache::insert(earlier);
    const QIcon icon = BuiltInAppIcon();
    for (int window = 0; window < 100; ++window) {
        for (const QSize& size : icon.availableSizes()) {
            EXPECT_FALSE(icon.pixmap(size).isNull());
        }
    }
    QPixmap found;
    EXPECT_TRUE(QPixmapCache::find(key, &found));
    QPixmapCache::remove(key);
    QPixmapCache::setCacheLimit(limit);
}

}  // namespace
}  // namespace tarnwick
