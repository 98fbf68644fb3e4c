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

// Indicators 1 and 2 and the diagram, in file order.
constexpr const char* kIndicatorSections[] = {"indicator1", "indicator2", "indicator3"};

QString ReadText(const ProfileText& file, const char* section, const char* key,
                 const char* fallback) {
    return QString::fromStdString(ReadString(file, section, key, fallback));
}

QColor ReadColor(const ProfileText& file, const char* section, const char* key,
                 const QColor& fallback) {
    return ParseColor(ReadText(file, section, key, ""), fallback);
}

// A file named by a skin, in the skin's folder. Skin files may separate folders with
// backslashes; a backslash inside a file name is too rare to keep.
QString SkinFilePath(const QString& skinFolder, QString name) {
    name.replace(u'\\', u'/');
    return skinFolder + u'/' + name;
}

// The picture of a graphic indicator, or a null image when it is missing or unusable.
QImage IndicatorPicture(const ProfileText& file, const char* section, const QString& folder) {
    const QString name = ReadText(file, section, "picture", "");
    if (name.isEmpty()) {
        return QImage();
    }
    return LoadBitmap(SkinFilePath(folder, name));
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

int ReadTextAngle(const ProfileText& file, const char* section) {
    const int angle = ReadInteger(file, section, "textangle", 0);
    return angle == 90 || angle == 180 || angle == 270 ? angle : 0;
}

}  // namespace

void ApplyFontStyle(FontSpec& font, const QString& style) {
    font.bold = style.contains(QLatin1String("bold"), Qt::CaseSensitive);
    font.italic = style.contains(QLatin1String("italic"), Qt::CaseSensitive);
    font.underline = style.contains(QLatin1String("underline"), Qt::CaseSensitive);
    font.strikeout = style.contains(QLatin1String("strikeout"), Qt::CaseSensitive);
}

QString FontStyleToSkinText(const FontSpec& font) {
    QStringList words;
    if (font.bold) {
        words << QStringLiteral("bold");
    }
    if (font.italic) {
        words << QStringLiteral("italic");
    }
    if (font.underline) {
        words << QStringLiteral("underline");
    }
    if (font.strikeout) {
        words << QStringLiteral("strikeout");
    }
    return words.join(u' ');
}

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
    const ProfileText file = LoadProfile(QFile::encodeName(path).toStdString());
    const QString folder = info.absolutePath();
    for (const char* section : kIndicatorSections) {
        if (ReadBool(file, section, "graphic", false) &&
            IndicatorPicture(file, section, folder).isNull()) {
            return false;
        }
    }
    return true;
}

std::optional<SkinLook> ReadSkin(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return std::nullopt;
    }
    const ProfileText file = LoadProfile(QFile::encodeName(path).toStdString());
    const QString folder = info.absolutePath();

    SkinLook look;
    // A window needs at least one pixel, and one wider than any picture we take is a typo.
    look.width = std::clamp(ReadInteger(file, "window", "width", 1), 1, kMaxPictureSide);
    look.height = std::clamp(ReadInteger(file, "window", "height", 1), 1, kMaxPictureSide);
    look.background = ReadColor(file, "window", "background", Qt::black);
    look.seeThrough = ReadBool(file, "window", "transparent", false);
    if (look.seeThrough) {
        look.seeThroughColor = ReadColor(file, "window", "transparentcolor", Qt::black);
    }

    for (int i = 0; i < 3; ++i) {
        const char* section = kIndicatorSections[i];
        IndicatorLook& indicator = look.indicators[i];
        indicator.X1 = ReadInteger(file, section, "x1", 1);
        indicator.Y1 = ReadInteger(file, section, "y1", 1);
        indicator.X2 = ReadInteger(file, section, "x2", 1);
        indicator.Y2 = ReadInteger(file, section, "y2", 1);
        indicator.Font.name = ReadText(file, section, "font-name", "Arial");
        indicator.Font.color = ReadColor(file, section, "font-color", Qt::black);
        indicator.Font.pointSize = ReadInteger(file, section, "font-size", 9);
        ApplyFontStyle(indicator.Font, ReadText(file, section, "font-style", ""));
        indicator.Graphic = ReadBool(file, section, "graphic", false);
        if (indicator.Graphic) {
            const QImage picture = IndicatorPicture(file, section, folder);
            if (picture.isNull()) {
                return std::nullopt;  // the whole skin is set aside
            }
            const int half = picture.height() / 2;
            indicator.GroundPicture = picture.copy(0, 0, picture.width(), half);
            indicator.ProgressPicture =
                picture.copy(0, half, picture.width(), picture.height() - half);
        } else {
            indicator.GroundColor = ReadColor(file, section, "ground", Qt::yellow);
            indicator.ProgressColor = ReadColor(file, section, "progress", Qt::red);
        }
        if (i < 2) {
            indicator.Horizontal =
                ReadText(file, section, "orientation", "horizontal") != QLatin1String("vertical");
        } else {
            indicator.Upward = ReadText(file, section, "direction", "up") != QLatin1String("down");
        }
        indicator.TextAngle = ReadTextAngle(file, section);
    }

    const QString icons = ReadText(file, "window", "icons", "");
    if (!icons.isEmpty()) {
        const QImage strip = LoadBitmap(SkinFilePath(folder, icons));
        if (strip.width() == kTrayStripWidth && strip.height() == kTrayStripHeight) {
            look.trayStrip = strip;
        }
    }
    return look;
}

}  // namespace tarnwick
