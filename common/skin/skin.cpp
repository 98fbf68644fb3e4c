#include "common/skin/skin.h"

#include "common/profile.h"
#include "common/profile_file.h"
#include "common/skin/colors.h"
#include "platform/files.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace tarnwick {
namespace {

// A file named by a skin, in the skin's folder. Skin files may separate folders with
// backslashes; a backslash inside a file name is too rare to keep.
QString SkinFilePath(const QString& skinFolder, QString name) {
    name.replace(u'\\', u'/');
    return skinFolder + u'/' + name;
}

// The picture of a graphic indicator, or a null image when it is missing or unusable.
QImage IndicatorPicture(const SkinIndicatorKeys& indicator, const QString& folder) {
    if (indicator.picture.isEmpty()) {
        return QImage();
    }
    return LoadBitmap(SkinFilePath(folder, indicator.picture));
}

std::uint32_t Little(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// The decoder fills the rows a cut-off file lacks with whatever memory held, so a file too
// short for the pixels its header announces is refused before it is decoded. Compressed
// files are left to the decoder.
bool HoldsAllRows(const QByteArray& file) {
    const QByteArray header = file.left(54);
    if (header.size() < 26 || !header.startsWith("BM")) {
        return false;
    }
    const std::uint32_t offset = Little(header, 10, 4);
    const std::uint32_t infoSize = Little(header, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {
        width = static_cast<std::int16_t>(Little(header, 18, 2));
        height = static_cast<std::int16_t>(Little(header, 20, 2));
        bits = Little(header, 24, 2);
    } else if (infoSize >= 40 && header.size() >= 34) {
        width = static_cast<std::int32_t>(Little(header, 18, 4));
        height = static_cast<std::int32_t>(Little(header, 22, 4));
        bits = Little(header, 28, 2);
        compression = Little(header, 30, 4);
    } else {
        return false;
    }
    if (compression != 0 && compression != 3) {
        return true;
    }
    // One row fits in 64 bits whatever the header says, all rows together may not: divide.
    const std::int64_t rowBytes = (std::abs(width) * bits + 31) / 32 * 4;
    const std::int64_t rows = std::abs(height);
    const std::int64_t available = file.size() - static_cast<std::int64_t>(offset);
    return available >= 0 && (rows == 0 || rowBytes <= available / rows);
}

}  // namespace

SkinLook BuiltInLook() {
    const QColor pink(255, 128, 192);       // 0x00C080FF
    const QColor lightBlue(121, 121, 255);  // 0x00FF7979
    const QColor red(255, 0, 0);            // 0x000000FF

    SkinLook look;
    look.width = 50;
    look.height = 39;
    look.background = Qt::black;
    look.seeThrough = false;
    const int rectangles[3][4] = {{1, 1, 48, 18}, {1, 20, 48, 37}, {1, 1, 48, 37}};
    for (int i = 0; i < 3; ++i) {
        IndicatorLook& indicator = look.indicators[i];
        indicator.X1 = rectangles[i][0];
        indicator.Y1 = rectangles[i][1];
        indicator.X2 = rectangles[i][2];
        indicator.Y2 = rectangles[i][3];
        indicator.Font = FontSpec{QStringLiteral("Verdana"), 8, Qt::white};
        indicator.Graphic = false;
        indicator.GroundColor = pink;
        indicator.ProgressColor = i == 1 ? red : lightBlue;
        indicator.Horizontal = true;
        indicator.Upward = true;
        indicator.TextAngle = 0;
    }
    return look;
}

QImage LoadBitmap(const QString& path) {
    std::string read;
    if (platform::ReadFileBounded(QFile::encodeName(path).toStdString(), kMaxPictureFileBytes,
                                  read) != platform::ReadResult::Read) {
        return QImage();
    }
    QByteArray bytes = QByteArray::fromStdString(read);
    read = std::string();
    if (!HoldsAllRows(bytes)) {
        return QImage();
    }
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide ||
        qint64{size.width()} * size.height() > kMaxPicturePixels) {
        return QImage();
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide) {
        return QImage();
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

bool SkinIsUsable(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return false;
    }
    const SkinKeys keys =
        ReadSkinKeys(LoadProfile(QFile::encodeName(path).toStdString()), SkinReader::Viewer);
    const QString folder = info.absolutePath();
    for (const SkinIndicatorKeys& indicator : keys.indicators) {
        if (indicator.graphic && IndicatorPicture(indicator, folder).isNull()) {
            return false;
        }
    }
    return true;
}

std::optional<SkinLook> ReadSkin(const QString& path) {
    using namespace skinkey;
    const QFileInfo info(path);
    if (!info.isFile()) {
        return std::nullopt;
    }
    const SkinKeys keys =
        ReadSkinKeys(LoadProfile(QFile::encodeName(path).toStdString()), SkinReader::Viewer);
    const QString folder = info.absolutePath();

    SkinLook look;
    look.width = keys.width;
    look.height = keys.height;
    look.background = ColorOfKey(keys.background, kBackground);
    look.seeThrough = keys.transparent;
    if (look.seeThrough) {
        look.seeThroughColor = ColorOfKey(keys.transparentColor, kTransparentColor);
    }

    for (std::size_t i = 0; i < keys.indicators.size(); ++i) {
        const SkinIndicatorKeys& in = keys.indicators[i];
        IndicatorLook& indicator = look.indicators[i];
        indicator.X1 = in.x1;
        indicator.Y1 = in.y1;
        indicator.X2 = in.x2;
        indicator.Y2 = in.y2;
        indicator.Font.name = in.fontName;
        indicator.Font.color = ColorOfKey(in.fontColor, kFontColor);
        indicator.Font.pointSize = in.fontSize;
        ApplyFontStyle(indicator.Font, in.fontStyle);
        indicator.Graphic = in.graphic;
        if (indicator.Graphic) {
            const QImage picture = IndicatorPicture(in, folder);
            if (picture.isNull()) {
                return std::nullopt;  // the whole skin is set aside
            }
            const int half = picture.height() / 2;
            indicator.GroundPicture = picture.copy(0, 0, picture.width(), half);
            indicator.ProgressPicture =
                picture.copy(0, half, picture.width(), picture.height() - half);
        } else {
            indicator.GroundColor = ColorOfKey(in.ground, kGround);
            indicator.ProgressColor = ColorOfKey(in.progress, kProgress);
        }
        indicator.Horizontal = !in.vertical;
        indicator.Upward = !in.downward;
        indicator.TextAngle = in.textAngle;
    }

    if (!keys.icons.isEmpty()) {
        const QImage strip = LoadBitmap(SkinFilePath(folder, keys.icons));
        if (strip.width() == kTrayStripWidth && strip.height() == kTrayStripHeight) {
            look.trayStrip = strip;
        }
    }
    return look;
}

}  // namespace tarnwick
