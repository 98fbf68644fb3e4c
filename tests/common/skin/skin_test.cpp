#include "common/skin/skin.h"

#include "tests/support/skin_folder_test.h"

#include <cstdint>

namespace tarnwick {
namespace {

TEST(SkinFontStyle, LowerCaseWordsCountAnywhere) {
    FontSpec font;
    ApplyFontStyle(font, QStringLiteral("bolditalic"));
    EXPECT_TRUE(font.bold && font.italic && !font.underline && !font.strikeout);
    EXPECT_EQ(FontStyleToSkinText(font), QStringLiteral("bold italic"));
    ApplyFontStyle(font, QStringLiteral("Bold"));
    EXPECT_FALSE(font.bold || font.italic);
    EXPECT_EQ(FontStyleToSkinText(font), QString());
}

using ReadSkinTest = testing::SkinFolderTest;

TEST_F(ReadSkinTest, MissingKeysTakeTheirDefaults) {
    const std::optional<SkinLook> look = ReadSkin(WriteFile("empty.skin", "[skin]\nname=E\n"));
    ASSERT_TRUE(look);
    EXPECT_EQ(QSize(look->width, look->height), QSize(1, 1));
    const IndicatorLook& diagram = look->indicators[2];
    EXPECT_EQ(QRect(QPoint(diagram.X1, diagram.Y1), QPoint(diagram.X2, diagram.Y2)),
              QRect(1, 1, 1, 1));
    EXPECT_EQ(diagram.Font.name, QStringLiteral("Arial"));
    EXPECT_EQ(diagram.Font.pointSize, 9);
    EXPECT_EQ(diagram.GroundColor, QColor(255, 255, 0));
    EXPECT_TRUE(diagram.Upward && !diagram.Graphic);
}

TEST_F(ReadSkinTest, ReadsTheKeysAndSettlesOddValues) {
    const std::optional<SkinLook> look = ReadSkin(WriteFile("full.skin", R"([Window]
Width=120
height=100000
background=CLWHITE
transparent=1
transparentcolor=65280
[indicator1]
x2=117
font-name=DejaVu Sans
font-style=bolditalic
ground=clPink
progress=$00FF0000
orientation=Vertical
textangle=45
[indicator2]
orientation=vertical
textangle=270
[indicator3]
x1=50
x2=10
direction=down
)"));
    ASSERT_TRUE(look);
    EXPECT_EQ(QSize(look->width, look->height), QSize(120, 4096));
    EXPECT_EQ(look->background, QColor(255, 255, 255));
    EXPECT_TRUE(look->seeThrough);
    EXPECT_EQ(look->seeThroughColor, QColor(0, 255, 0));

    const IndicatorLook& first = look->indicators[0];
    EXPECT_EQ(first.X2, 117);
    EXPECT_EQ(first.Font.name, QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(first.Font.bold && first.Font.italic);
    EXPECT_EQ(first.GroundColor, QColor(255, 255, 0));  // not a colour: the key's default
    EXPECT_EQ(first.ProgressColor, QColor(0, 0, 255));
    EXPECT_TRUE(first.Horizontal);  // only "vertical" exactly turns the gauge
    EXPECT_EQ(first.TextAngle, 0);
    EXPECT_FALSE(look->indicators[1].Horizontal);
    EXPECT_EQ(look->indicators[1].TextAngle, 270);

    // A diagram drawn right to left is kept as written; the painting draws nothing for it.
    EXPECT_EQ(look->indicators[2].X2, 10);
    EXPECT_FALSE(look->indicators[2].Upward);
}

TEST_F(ReadSkinTest, PicturesSplitIntoHalvesAndStripsNeedTheirExactSize) {
    WriteBitmap("pics/bar.bmp", 48, 36, 18);
    WriteBitmap("odd.bmp", 10, 7, 3);
    WriteBitmap("strip.bmp", 1616, 16, 8);
    const char* text =
        "[window]\nicons=strip.bmp\n"
        "[indicator1]\ngraphic=1\npicture=pics\\bar.bmp\n"
        "[indicator3]\ngraphic=1\npicture=odd.bmp\n";
    std::optional<SkinLook> look = ReadSkin(WriteFile("pictures.skin", text));
    ASSERT_TRUE(look);
    const IndicatorLook& gauge = look->indicators[0];
    ASSERT_EQ(gauge.GroundPicture.size(), QSize(48, 18));
    ASSERT_EQ(gauge.ProgressPicture.size(), QSize(48, 18));
    EXPECT_EQ(gauge.GroundPicture.pixelColor(0, 17), QColor(0, 255, 0));
    EXPECT_EQ(gauge.ProgressPicture.pixelColor(47, 0), QColor(0, 0, 255));
    // Seven rows: three above, four below.
    EXPECT_EQ(look->indicators[2].GroundPicture.size(), QSize(10, 3));
    EXPECT_EQ(look->indicators[2].ProgressPicture.size(), QSize(10, 4));
    EXPECT_EQ(look->trayStrip.size(), QSize(1616, 16));

    // A strip of another size, or none, leaves the built-in one and the skin usable.
    WriteBitmap("strip.bmp", 1600, 16, 8);
    look = ReadSkin(Path("pictures.skin"));
    ASSERT_TRUE(look);
    EXPECT_TRUE(look->trayStrip.isNull());
}

// An 8-bit run-length coded bitmap of the given size whose data is only the end mark: a few
// hundred bytes on disk whatever pixels the header announces.
QByteArray RunLengthBitmap(std::int32_t width, std::int32_t height) {
    QByteArray bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.append(static_cast<char>(value >> (8 * i) & 0xFF));
        }
    };
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    bytes.append("BM");
    put(offset + 2, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(8, 2);
    put(1, 4);  // BI_RLE8
    put(2, 4);
    put(2835, 4);
    put(2835, 4);
    put(256, 4);
    put(0, 4);
    for (int i = 0; i < 256; ++i) {
        put(0x00FF00u, 4);
    }
    bytes.append("\x00\x01", 2);  // end of bitmap
    return bytes;
}

TEST_F(ReadSkinTest, PicturesAreBoundedByTheirDecodedPixels) {
    // Within the side bound, but 64 MB of pixels from a file of 1 KB.
    EXPECT_TRUE(LoadBitmap(WriteFile("bomb.bmp", RunLengthBitmap(4096, 4096))).isNull());
    const QImage largest = LoadBitmap(WriteFile("largest.bmp", RunLengthBitmap(2000, 4000)));
    EXPECT_EQ(largest.size(), QSize(2000, 4000));
}

TEST_F(ReadSkinTest, PicturesNeedEveryRowTheirHeaderAnnounces) {
    QFile gauge(QStringLiteral(TARNWICK_FUZZ_CORPUS "/skin/gauge.bmp"));
    ASSERT_TRUE(gauge.open(QIODevice::ReadOnly));
    const QByteArray whole = gauge.readAll();
    EXPECT_EQ(LoadBitmap(WriteFile("whole.bmp", whole)).size(), QSize(8, 6));
    EXPECT_TRUE(LoadBitmap(WriteFile("short.bmp", whole.chopped(1))).isNull());
    // 60 bytes announcing 2^31 - 1 rows of 2^31 - 1 pixels at 65535 bits each.
    const QString huge = QStringLiteral(TARNWICK_FUZZ_CORPUS "/skin/huge-header.bmp");
    ASSERT_TRUE(QFileInfo(huge).isFile());
    EXPECT_TRUE(LoadBitmap(huge).isNull());
    QFile::copy(huge, Path("huge.bmp"));
    const QString skin = WriteFile("huge.skin", "[indicator1]\ngraphic=1\npicture=huge.bmp\n");
    EXPECT_FALSE(SkinIsUsable(skin));
    EXPECT_FALSE(ReadSkin(skin));
}

using SkinUsableTest = testing::SkinFolderTest;

TEST_F(SkinUsableTest, GraphicIndicatorsNeedAReadablePictureOfSaneSize) {
    const QString good = WriteBitmap("good.bmp", 48, 36, 18);
    WriteBitmap("wide.bmp", 5000, 10, 5);
    WriteFile("garbage.bmp", "BM this is not a bitmap at all");
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    WriteFile("truncated.bmp", file.read(file.size() / 2));
    QDir().mkpath(Path("folder.bmp"));

    auto usable = [&](const char* indicator2) {
        const QString path = WriteFile(
            "test.skin",
            QByteArray("[indicator1]\ngraphic=1\npicture=good.bmp\n[indicator2]\n") + indicator2);
        EXPECT_EQ(ReadSkin(path).has_value(), SkinIsUsable(path)) << indicator2;
        return SkinIsUsable(path);
    };
    EXPECT_TRUE(usable("graphic=1\npicture=good.bmp"));
    EXPECT_TRUE(usable("graphic=0\npicture=missing.bmp"));
    for (const char* bad : {"graphic=1", "graphic=1\npicture=missing.bmp",
                            "graphic=1\npicture=wide.bmp", "graphic=1\npicture=garbage.bmp",
                            "graphic=1\npicture=truncated.bmp", "graphic=1\npicture=folder.bmp"}) {
        EXPECT_FALSE(usable(bad)) << bad;
    }
    EXPECT_FALSE(SkinIsUsable(Path("nothing.skin")));
    EXPECT_FALSE(SkinIsUsable(Path("folder.bmp")));
}

}  // namespace
}  // namespace tarnwick
