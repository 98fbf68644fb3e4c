#include "data/app_icon.h"

#include <QPixmap>
#include <QResource>
#include <QtEndian>

#include <png.h>

namespace tarnwick {
namespace {

// Qt's image reader asks every image-format plugin whether it can read a file, even when told
// the format, which loads them all into the process for good. The programs read no other
// picture format, so their own icon is decoded by the PNG library Qt itself decodes with.
QImage DecodePng(const QByteArray& bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(),
                                          static_cast<png_size_t>(bytes.size()))) {
        return QImage();
    }
    // QImage::Format_ARGB32 holds each pixel as one native 32-bit 0xAARRGGBB word.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull() ||
        !png_image_finish_read(&png, nullptr, image.bits(),
                               static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return QImage();
    }
    return image;
}

}  // namespace

QIcon BuiltInAppIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QResource resource(QStringLiteral(":/tarnwick/tarnwick-%1.png").arg(size));
        const QImage image = DecodePng(resource.uncompressedData());
        if (image.size() == QSize(size, size)) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

QIcon AppIcon() {
    static const QIcon icon = QIcon::fromTheme(QString::fromLatin1(kAppId), BuiltInAppIcon());
    return icon;
}

}  // namespace tarnwick
