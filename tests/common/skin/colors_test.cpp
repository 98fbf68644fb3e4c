#include "common/skin/colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

const QColor kFallback(1, 2, 3);

QColor Parse(const char* text) {
    return ParseColor(QString::fromUtf8(text), kFallback);
}

TEST(SkinColor, NamesAndIntegersWithRedInTheLowByte) {
    EXPECT_EQ(Parse("CLWHITE"), QColor(255, 255, 255));
    EXPECT_EQ(Parse("clSkyBlue"), QColor(166, 202, 240));
    EXPECT_EQ(Parse("$0000FF00"), QColor(0, 255, 0));
    EXPECT_EQ(Parse("65280"), QColor(0, 255, 0));
    EXPECT_EQ(Parse("$00C080FF"), QColor(255, 128, 192));
    EXPECT_EQ(Parse("0x00FF0000"), QColor(0, 0, 255));
}

TEST(SkinColor, SystemColoursComeFromTheApplicationPalette) {
    const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(Parse("clbtnface"), face);
    // Its integer forms: hex with all 32 bits, and the same as a signed number.
    EXPECT_EQ(Parse("$FF00000F"), face);
    EXPECT_EQ(Parse("-16777201"), face);
    EXPECT_EQ(Parse("clHighlight"), QGuiApplication::palette().color(QPalette::Highlight));
}

TEST(SkinColor, AnythingElseGivesTheFallback) {
    for (const char* text : {"", "clNone", "cldefault", "$1FFFFFFF", "$20000000", "clPink", "$",
                             "$0000FFG0", "$100000000", "$FF000019", "$FF0000FF", "--5"}) {
        EXPECT_EQ(Parse(text), kFallback) << text;
    }
}

TEST(SkinColorText, EightUpperCaseHexDigitsThatReadBack) {
    EXPECT_EQ(ColorToSkinText(QColor(255, 128, 192)), QStringLiteral("$00C080FF"));
    for (const QColor& color : {QColor(0, 0, 0), QColor(250, 10, 171), QColor(255, 255, 255)}) {
        EXPECT_EQ(ParseColor(ColorToSkinText(color), kFallback), color);
    }
}

// The editor keeps what a file says: a system colour stays a system colour when written back,
// and a text that is no colour at all is told apart from the colours that mean "none".
TEST(SkinColorValue, StoredValuesWriteBackAsTheyWereRead) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"clWindowText", "$FF000008"}, {"clwhite", "$00FFFFFF"}, {"clRed", "$000000FF"},
        {"-16777201", "$FF00000F"},    {"clNone", "$1FFFFFFF"},  {"255", "$000000FF"},
    };
    for (const auto& c : cases) {
        const std::optional<ColorValue> value = ParseColorValue(QString::fromUtf8(c.text));
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(ColorToText(*value), QString::fromUtf8(c.written)) << c.text;
    }
    for (const char* text : {"", "clPink", "$", "12a", "$100000000"}) {
        EXPECT_FALSE(ParseColorValue(QString::fromUtf8(text)).has_value()) << text;
    }
}

}  // namespace
}  // namespace tarnwick
