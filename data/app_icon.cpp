#include "data/app_icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

#include <png.h>

#include <algorithm>
#include <array>
#include <utility>

namespace tarnwick {
namespace {

constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
// Pictures up to this size (64 pixels, 16 KB) stay decoded for the next request, such as the tray's.
constexpr int kLargestKeptSize = 64;

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

QImage BuiltInImage(int size) {
    const QResource resource(QStringLiteral(":/tarnwick/tarnwick-%1.png").arg(size));
    const QImage image = DecodePng(resource.uncompressedData());
    return image.size() == QSize(size, size) ? image : QImage();
}

// A large picture as a plain icon hands it to the window system, which takes its pixels as
// straight (not premultiplied) ARGB: the values of a premultiplied pixmap turned back, made
// here in one buffer. Qt's own pixmap would be a second copy, and the window system's
// conversion a third, at the moment a window is made with every other picture in memory.
QPixmap LargePicture(int size) {
    QImage image = BuiltInImage(size);
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    image.convertTo(QImage::Format_ARGB32);
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

// The picture a plain icon of all sizes would take for a request: the smallest that covers
// its area, else the largest. Every picture is for every mode and state, so they play no part.
int ChosenSize(const QSize& wanted) {
    const long long area = static_cast<long long>(wanted.width()) * wanted.height();
    for (int size : kIconSizes) {
        if (static_cast<long long>(size) * size >= area) {
            return size;
        }
    }
    return kIconSizes.back();
}

// The built-in icon decodes a picture only when one is asked for, so the eight sizes (360 KB
// decoded, most of it the two largest) do not stay in memory for the day: the window system
// takes a copy of every size each time a window is made. Every answer is the one a plain icon
// holding all eight pictures gives; anything beyond handing out a picture as it is (scaling,
// the looks of other modes) is left to such an icon holding the one picture chosen.
class BuiltInIconEngine final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new BuiltInIconEngine; }
    bool isNull() override { return false; }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (int size : kIconSizes) {
                sizes.append(QSize(size, size));
            }
        }
        return sizes;
    }

    QSize actualSize(const QSize& wanted, QIcon::Mode, QIcon::State) override {
        QSize actual(ChosenSize(wanted), ChosenSize(wanted));
        if (actual.width() > wanted.width() || actual.height() > wanted.height()) {
            actual.scale(wanted, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QPixmap pixmap(const QSize& wanted, QIcon::Mode mode, QIcon::State state) override {
        const int size = ChosenSize(wanted);
        // As it is, without a plain icon around it: such an icon files every picture it hands
        // out in Qt's pixmap cache, and each new window of the program (every popup menu) asks
        // for all sizes anew, so the cache would fill with copies up to its limit of megabytes.
        if (wanted == QSize(size, size) && mode == QIcon::Normal) {
            return size > kLargestKeptSize ? LargePicture(size) : PictureOf(size);
        }
        return QIcon(PictureOf(size)).pixmap(wanted, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const qreal ratio =
            device != nullptr ? device->devicePixelRatio() : qGuiApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // The small pictures are kept once decoded (the six take 35 KB), so repeated requests (a
    // tray repainting, every new window) neither decode again nor hand out new pictures.
    QPixmap PictureOf(int size) {
        if (size > kLargestKeptSize) {
            return QPixmap::fromImage(BuiltInImage(size));
        }
        QPixmap& kept = kept_[IndexOf(size)];
        if (kept.isNull()) {
            kept = QPixmap::fromImage(BuiltInImage(size));
        }
        return kept;
    }

    static std::size_t IndexOf(int size) {
        return static_cast<std::size_t>(std::find(kIconSizes.begin(), kIconSizes.end(), size) -
                                        kIconSizes.begin());
    }

    std::array<QPixmap, kIconSizes.size()> kept_;
};

}  // namespace

QIcon BuiltInAppIcon() {
    return QIcon(new BuiltInIconEngine);
}

QIcon AppIcon() {
    static const QIcon icon = QIcon::fromTheme(QString::fromLatin1(kAppId), BuiltInAppIcon());
    return icon;
}

}  // namespace tarnwick
