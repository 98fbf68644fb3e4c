#include <gtest/gtest.h>

#include "monitor/readings_text.h"

namespace tarnwick {
namespace {

TEST(ReadingsTextTest, NamesEachShownReadingWithItsMeasure) {
    const struct {
        int first;
        const char* firstText;
        int second;
        const char* secondText;
        const char* expected;
    } cases[] = {
        {1, "12 %", 5, "40 %", "Processor usage 12 %, Operative memory usage 40 %"},
        {2, "-88 %", 6, "-60 %", "Processor free 88 %, Operative memory free 60 %"},
        {3, "1200 MHz", 8, "-1.5 GB", "Processor usage 1200 MHz, Operative memory free 1.5 GB"},
        {11, "512 MB", 16, "-3 GB", "Swap file usage 512 MB, Virtual memory free 3 GB"},
        // A reading without text (text showing off) still names the measure; a measure outside
        // 1..16 adds nothing.
        {9, "", 0, "7 %", "Swap file usage"},
        {17, "1 %", 13, "9 %", "Virtual memory usage 9 %"},
    };
    for (const auto& c : cases) {
        ReadingsText text;
        text.Begin(0);
        text.Add(c.first, c.firstText);
        text.Add(c.second, c.secondText);
        EXPECT_TRUE(text.Finish()) << c.expected;
        EXPECT_EQ(text.text(), QString::fromUtf8(c.expected));
    }
}

TEST(ReadingsTextTest, RebuildsAtMostOncePerIntervalAndReportsOnlyChanges) {
    ReadingsText text(1000);
    EXPECT_TRUE(text.Due(5));  // nothing built yet
    text.Begin(5);
    text.Add(1, "12 %");
    EXPECT_TRUE(text.Finish());
    EXPECT_FALSE(text.Due(500));
    EXPECT_FALSE(text.Due(1004));
    EXPECT_TRUE(text.Due(1005));

    text.Begin(1005);
    text.Add(1, "12 %");
    EXPECT_FALSE(text.Finish());  // the same reading: nothing to tell
    text.Begin(2005);
    text.Add(1, "13 %");
    EXPECT_TRUE(text.Finish());
    EXPECT_EQ(text.text(), QStringLiteral("Processor usage 13 %"));
}

TEST(ReadingsTextTest, TheMillisecondClockMayWrap) {
    ReadingsText text(1000);
    text.Begin(0xFFFFFF00u);
    text.Finish();
    EXPECT_FALSE(text.Due(0x00000100u));  // 512 ms later
    EXPECT_TRUE(text.Due(0x000002E8u));   // 1000 ms later
}

}  // namespace
}  // namespace tarnwick
