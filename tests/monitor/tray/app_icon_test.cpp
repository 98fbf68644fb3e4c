#include "data/app_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// The built-in icon has its own PNG decoder: every size must come out as Qt's reader decodes
// the same file, translucent edges included.
TEST(BuiltInAppIcon, DecodesEverySizeAsQtsReaderDoes) {
    const QIcon icon = BuiltInAppIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 8);
    for (const QSize& size : sizes) {
        QImageReader reader(QStringLiteral(":/tarnwick/tarnwick-%1.png").arg(size.width()));
        const QImage read = reader.read();
        ASSERT_EQ(read.size(), size) << reader.errorString().toStdString();
        // Both through a pixmap, as the window and the tray get them.
        EXPECT_EQ(icon.pixmap(size).toImage(), QPixmap::fromImage(read).toImage()) << size.width();
    }
}

}  // namespace
}  // namespace tarnwick
