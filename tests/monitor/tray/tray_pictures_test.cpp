#include "monitor/tray/tray_pictures.h"

#include "tests/support/recording_tray_icon.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <set>

namespace tarnwick {
namespace {

using testing::RecordingTrayIcon;

QImage Cell(const QImage& strip, int number) {
    return strip.copy(number * 16, 0, 16, 16);
}

// The columns of a cell that hold anything but the ground.
std::set<int> InkColumns(const QImage& cell) {
    std::set<int> columns;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (cell.pixel(x, y) != kTrayBackground) {
                columns.insert(x);
            }
        }
    }
    return columns;
}

std::set<int> Columns(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> result;
    for (const auto& [from, to] : ranges) {
        for (int x = from; x <= to; ++x) {
            result.insert(x);
        }
    }
    return result;
}

TEST(BuiltInTrayStrip, DrawsEachNumberInItsColourBetweenBlankBorderRows) {
    const QImage strip = BuiltInTrayStrip();
    ASSERT_EQ(strip.size(), QSize(1616, 16));
    std::set<std::vector<QRgb>> cells;
    for (int number = 0; number <= 100; ++number) {
        const QRgb ink = number == 100 ? qRgb(196, 9, 30)
                         : number > 90 ? qRgb(0, 0, 119)
                                       : qRgb(4, 2, 252);
        std::vector<QRgb> pixels;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = strip.pixel(number * 16 + x, y);
                ASSERT_TRUE(pixel == qRgb(252, 254, 252) || (pixel == ink && y > 0 && y < 15))
                    << number << " at " << x << "," << y;
                pixels.push_back(pixel);
            }
        }
        cells.insert(pixels);
    }
    EXPECT_EQ(cells.size(), 101u);  // no two numbers look alike
}

TEST(BuiltInTrayStrip, PlacesDigitsInTheirColumns) {
    const QImage strip = BuiltInTrayStrip();
    // A 7 has no left strokes: it stands at the right edge.
    EXPECT_EQ(InkColumns(Cell(strip, 7)), Columns({{9, 14}}));
    EXPECT_EQ(InkColumns(Cell(strip, 0)), Columns({{8, 14}}));
    EXPECT_EQ(InkColumns(Cell(strip, 95)), Columns({{0, 6}, {8, 14}}));
    EXPECT_EQ(InkColumns(Cell(strip, 100)), Columns({{0, 1}, {3, 8}, {10, 15}}));
}

TEST(BuildTrayPictures, MakesOpaqueSixteenPixelIconsOfTheCells) {
    const QImage strip = BuiltInTrayStrip();
    const TrayPictures pictures = BuildTrayPictures(strip);
    for (int i = 0; i < kTrayPictureCount; ++i) {
        const QIcon& icon = pictures[static_cast<std::size_t>(i)];
        EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)}) << i;
        EXPECT_FALSE(icon.pixmap(16, 16).hasAlphaChannel()) << i;
        EXPECT_EQ(RecordingTrayIcon::CellOf(icon), Cell(strip, i)) << i;
    }
}

TEST(BuildTrayPictures, TakesASkinStripPaintedOverWhite) {
    QImage strip(1616, 16, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    for (int i = 0; i < kTrayPictureCount; ++i) {
        strip.setPixel(i * 16 + 3, 5, qRgb(i, 100, 50));
    }
    const TrayPictures pictures = BuildTrayPictures(strip);
    for (int i : {0, 42, 100}) {
        const QImage cell = RecordingTrayIcon::CellOf(pictures[static_cast<std::size_t>(i)]);
        EXPECT_EQ(cell.pixel(3, 5), qRgb(i, 100, 50));
        EXPECT_EQ(cell.pixel(0, 0), qRgb(255, 255, 255));
    }
}

// Every cell must look as if it alone had been painted over white: no blend may reach across a
// cell's border, whatever alpha and format the skin's strip has.
TEST(BuildTrayPictures, BlendsEachCellOfATranslucentStripAloneOverWhite) {
    for (const QImage::Format format :
         {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_Indexed8}) {
        QImage argb(1616, 16, QImage::Format_ARGB32);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 1616; ++x) {
                argb.setPixel(x, y,
                              qRgba(x % 251, (x * 7 + y) % 256, y * 16, (x * 13 + y * 5) % 256));
            }
        }
        const QImage strip = argb.convertToFormat(format);
        const TrayPictures pictures = BuildTrayPictures(strip);
        for (int i : {0, 1, 57, 99, 100}) {
            QImage expected(16, 16, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter painter(&expected);
            painter.drawImage(0, 0, strip, i * 16, 0, 16, 16);
            painter.end();
            EXPECT_EQ(RecordingTrayIcon::CellOf(pictures[static_cast<std::size_t>(i)]), expected)
                << "format " << format << ", cell " << i;
        }
    }
}

TEST(BuildTrayPictures, StripOfTheWrongSizeGivesTheBuiltInPictures) {
    const QImage builtIn = BuiltInTrayStrip();
    for (const QSize size : {QSize(1600, 16), QSize(1616, 17), QSize()}) {
        QImage strip(size, QImage::Format_RGB32);
        strip.fill(Qt::black);
        const TrayPictures pictures = BuildTrayPictures(strip);
        EXPECT_EQ(RecordingTrayIcon::CellOf(pictures[57]), Cell(builtIn, 57)) << size.width();
    }
}

}  // namespace
}  // namespace tarnwick
