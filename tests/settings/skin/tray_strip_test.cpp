#include "settings/skin/tray_strip.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/skin/skin.h"
#include "settings/skin/bmp_writer.h"
#include "settings/skin/step_checks.h"
#include "skin_folder.h"

namespace tarnwick::cfg {
namespace {

class IconsStrip : public testing::SkinEditorFolder {
protected:
    // Digit d in the (d + 1)th standard colour, 100 in yellow: colours every depth keeps.
    static QColor DigitColor(int index) {
        return index < 10 ? QColor(SixteenColorPalette()[index + 1]) : QColor(Qt::yellow);
    }

    SkinDraft DigitsDraft(int skip = -1) {
        for (int i = 0; i < 11; ++i) {
            if (i != skip) {
                WriteBitmap(QStringLiteral("digits/") + DigitPictureName(i), i < 10 ? 8 : 16, 16,
                            DigitColor(i));
            }
        }
        SkinDraft draft;
        draft.iconsDir = Path(QStringLiteral("digits"));
        return draft;
    }

    static bool Near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
               std::abs(a.blue() - b.blue()) <= 8;
    }

    // Every pixel of the columns has the colour.
    static void ExpectColumns(const QImage& strip, int from, int to, const QColor& color,
                              int bits) {
        for (int x = from; x <= to; ++x) {
            for (int y = 0; y < 16; ++y) {
                ASSERT_TRUE(Near(strip.pixelColor(x, y), color))
                    << bits << " bits, column " << x << " row " << y << ": "
                    << strip.pixelColor(x, y).name().toStdString();
            }
        }
    }

    static QString Identify(const QString& path) {
        QProcess identify;
        identify.start(QStringLiteral("identify"),
                       {QStringLiteral("-format"), QStringLiteral("%w x %h %r %z"), path});
        identify.waitForFinished(20000);
        return QString::fromUtf8(identify.readAllStandardOutput()).trimmed();
    }
};

TEST_F(IconsStrip, CellsHoldTheDigitsAtEveryDepthAndOtherProgramsReadTheFile) {
    const bool haveIdentify = !QStandardPaths::findExecutable(QStringLiteral("identify")).isEmpty();
    for (int bits : {24, 16, 8, 4}) {
        SkinDraft draft = DigitsDraft();
        draft.iconsDepth = bits;
        draft.iconsGround = 0x00FFFFFF;
        const IconsCheck check = CheckIcons(draft);
        ASSERT_FALSE(check.message.has_value()) << check.message->toStdString();
        const QString path =
            WriteFile(QStringLiteral("icons%1.bmp").arg(bits), EncodeBmp(check.built));

        // Read back as the monitor reads a skin's strip.
        const QImage strip = LoadBitmap(path);
        ASSERT_EQ(strip.size(), QSize(1616, 16)) << bits;
        ExpectColumns(strip, 112, 119, Qt::white, bits);
        ExpectColumns(strip, 120, 127, DigitColor(7), bits);
        ExpectColumns(strip, 672, 679, DigitColor(4), bits);
        ExpectColumns(strip, 680, 687, DigitColor(2), bits);
        ExpectColumns(strip, 1600, 1615, DigitColor(10), bits);
        // The header says the depth; ImageMagick reports the bits of a palette picture, and
        // eight bits per channel for the two direct depths.
        const QByteArray bytes = EncodeBmp(check.built);
        EXPECT_EQ(static_cast<uchar>(bytes[28]), bits);
        if (haveIdentify) {
            const char* expected = bits == 8   ? "PseudoClass sRGB  8"
                                   : bits == 4 ? "PseudoClass sRGB  4"
                                               : "DirectClass sRGB  8";
            EXPECT_EQ(Identify(path), QStringLiteral("1616 x 16 ") + QLatin1String(expected));
        }
    }
}

TEST_F(IconsStrip, PalettesKeepNearColoursApart) {
    // A dark digit on a light ground, the usual strip, stays two colours at 8 and 4 bits.
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(QColor(252, 254, 252));
    strip.setPixelColor(3, 3, QColor(4, 2, 252));
    strip.setPixelColor(4, 3, QColor(0, 0, 119));
    for (int bits : {8, 4}) {
        const QImage converted = ConvertToDepth(strip, bits);
        EXPECT_NE(converted.pixel(3, 3), converted.pixel(0, 0)) << bits;
        EXPECT_NE(converted.pixel(4, 3), converted.pixel(0, 0)) << bits;
    }
}

TEST_F(IconsStrip, TheFirstMissingPictureIsNamed) {
    SkinDraft draft = DigitsDraft(5);
    QFile::remove(Path(QStringLiteral("digits/7.bmp")));
    EXPECT_EQ(CheckIcons(draft).message, QStringLiteral("The file 5.bmp is not found!"));
}

TEST_F(IconsStrip, PicturesThatAreNoUsableBitmapsAreRefused) {
    const QString notValid = QStringLiteral("Bitmap image is not valid");
    const QString small = QStringLiteral("The picture 3.bmp is smaller than 8 x 16 pixels!");
    QImage png(8, 16, QImage::Format_RGB32);
    png.fill(Qt::red);
    png.save(Path(QStringLiteral("png.bmp")), "PNG");
    QFile pngFile(Path(QStringLiteral("png.bmp")));
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    const QByteArray pngBytes = pngFile.readAll();
    const QByteArray bmp = EncodeBmp(png.convertToFormat(QImage::Format_RGB888));
    QByteArray huge = bmp;
    huge[18] = '\xA0';  // width 100 000 ...
    huge[19] = '\x86';
    huge[20] = '\x01';
    huge[22] = '\xA0';  // ... and height 100 000 in the header
    huge[23] = '\x86';
    huge[24] = '\x01';
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {pngBytes, notValid},
        {bmp.left(bmp.size() - 40), notValid},  // cut off
        {huge, notValid},
        {EncodeBmp(png.copy(0, 0, 7, 16).convertToFormat(QImage::Format_RGB888)), small},
    };
    for (const auto& c : cases) {
        SkinDraft draft = DigitsDraft();
        WriteFile(QStringLiteral("digits/3.bmp"), c.bytes);
        EXPECT_EQ(CheckIcons(draft).message, c.message);
    }
}

TEST_F(IconsStrip, AnOpenedStripMustBe1616By16) {
    SkinDraft draft;
    draft.iconsWay = IconsWay::Open;
    draft.iconsFile = WriteBitmap(QStringLiteral("tall.bmp"), 1616, 17, Qt::white);
    EXPECT_EQ(CheckIcons(draft).message,
              QStringLiteral("The image of icons should have the sizes 1616 x 16 pixels!"));
    draft.iconsFile = WriteBitmap(QStringLiteral("right.bmp"), 1616, 16, Qt::white);
    EXPECT_FALSE(CheckIcons(draft).message.has_value());
}

}  // namespace
}  // namespace tarnwick::cfg
