#include "common/numbers.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/errors.h"

namespace tarnwick {
namespace {

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(12.5L), 12);
    EXPECT_EQ(RoundHalfEven(13.5L), 14);
    EXPECT_EQ(RoundHalfEven(-12.5L), -12);
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(12.5000001L), 13);
    EXPECT_EQ(RoundHalfEven(178.5L), 178);  // opacity at 30 % transparency
}

TEST(RoundHalfEven, NotANumberAndHugeValuesDoNotMisbehave) {
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfEven(1e30L), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e30L), std::numeric_limits<std::int64_t>::min());
}

TEST(IntegerText, DigitsWithAnOptionalLeadingSign) {
    EXPECT_TRUE(IsIntegerText("0"));
    EXPECT_TRUE(IsIntegerText("-15"));
    EXPECT_TRUE(IsIntegerText("+"));  // a lone sign passes this test
    EXPECT_FALSE(IsIntegerText(""));
    EXPECT_FALSE(IsIntegerText("1-"));
    EXPECT_FALSE(IsIntegerText(" 1"));
    EXPECT_FALSE(IsIntegerText("$10"));
}

TEST(IntegerText, NonNegativeNumberRejectsWhatDoesNotConvert) {
    EXPECT_TRUE(IsNonNegativeNumber("0"));
    EXPECT_TRUE(IsNonNegativeNumber("+2147483647"));
    EXPECT_FALSE(IsNonNegativeNumber("-1"));
    EXPECT_FALSE(IsNonNegativeNumber("abc"));
    EXPECT_THROW(IsNonNegativeNumber("-"), ConvertError);
    try {
        IsNonNegativeNumber("99999999999");
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
    }
}

TEST(ProfileInteger, DecimalHexAndDollarForms) {
    EXPECT_EQ(ParseProfileInteger("500"), 500);
    EXPECT_EQ(ParseProfileInteger("-5"), -5);
    EXPECT_EQ(ParseProfileInteger("+7"), 7);
    EXPECT_EQ(ParseProfileInteger("0x1"), 1);
    EXPECT_EQ(ParseProfileInteger("0XfF"), 255);
    EXPECT_EQ(ParseProfileInteger("$10"), 16);
    EXPECT_EQ(ParseProfileInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseProfileInteger("-2147483648"), -2147483647 - 1);
}

TEST(ProfileInteger, EverythingElseGivesNothing) {
    for (const char* text : {"", "0x", "$", "-", "12a", "1 2", "yes", "2147483648", "-2147483649",
                             "0x80000000", "99999999999999999999999"}) {
        EXPECT_FALSE(ParseProfileInteger(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace tarnwick
