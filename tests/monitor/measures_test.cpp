#include "monitor/measures.h"

#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::FakeMemory;

constexpr std::int64_t kMB = 1048576;

class MeasuresTest : public ::testing::Test {
protected:
    FakeMemory memory;
    CpuFigures cpu;

    void SetUp() override {
        // Operative memory 512 MB with 211 MB free, swap 1024/768 MB, virtual 2048/1536 MB.
        memory.status = {512 * kMB, 211 * kMB, 1024 * kMB, 768 * kMB, 2048 * kMB, 1536 * kMB};
        cpu.CPUUsage = 30;
        cpu.CPUSpeed = 2000;
    }

    std::string Text(Measures& measures, int n) {
        std::string text;
        measures.GetMeasure(n, text);
        return text;
    }
};

TEST_F(MeasuresTest, EachNumberShowsItsResourceAsUsedOrFreeInPercentOrSize) {
    Measures measures(memory, cpu, ".");
    const std::pair<int, const char*> cases[] = {
        {1, "30 %"},  {2, "-70 %"},  {3, "600 MHz"}, {4, "-1400 MHz"},
        {5, "59 %"},  {6, "-41 %"},  {7, "301 MB"},  {8, "-211 MB"},
        {9, "25 %"},  {10, "-75 %"}, {11, "256 MB"}, {12, "-768 MB"},
        {13, "25 %"}, {14, "-75 %"}, {15, "512 MB"}, {16, "-1536 MB"},
    };
    const int percent[] = {30, 59, 25, 25};  // what every number of a resource returns
    for (const auto& [n, text] : cases) {
        std::string shown = "stale";
        EXPECT_EQ(measures.GetMeasure(n, shown), percent[(n - 1) / 4]) << n;
        EXPECT_EQ(shown, text) << n;
        EXPECT_EQ(measures.UsagePercent((n - 1) / 4), percent[(n - 1) / 4]) << n;
    }
    for (int n : {0, 17}) {
        std::string shown = "stale";
        EXPECT_EQ(measures.GetMeasure(n, shown), 0) << n;
        EXPECT_EQ(shown, "") << n;
    }
    EXPECT_EQ(measures.UsagePercent(4), 0);

    cpu.CPUUsage = 100;
    EXPECT_EQ(Text(measures, 2), "-0 %");
    EXPECT_EQ(Text(measures, 4), "-0 MHz");
    // 2001 MHz at 50 %: 1000.5 rounds to the even 1000 both ways.
    cpu.CPUSpeed = 2001;
    cpu.CPUUsage = 50;
    EXPECT_EQ(Text(measures, 3), "1000 MHz");
    EXPECT_EQ(Text(measures, 4), "-1000 MHz");
}

TEST_F(MeasuresTest, TiedPercentagesRoundToEven) {
    memory.status.totalPhys = 1000;
    memory.status.availPhys = 875;  // 12.5 % used
    Measures measures(memory, cpu, ".");
    EXPECT_EQ(Text(measures, 5), "12 %");
    EXPECT_EQ(Text(measures, 6), "-88 %");
    memory.status.availPhys = 865;  // 13.5 % used
    EXPECT_EQ(Text(measures, 5), "14 %");
    EXPECT_EQ(Text(measures, 6), "-86 %");
}

TEST_F(MeasuresTest, MissingSwapReadsZeroPercent) {
    memory.status.totalPageFile = 0;
    memory.status.availPageFile = 0;
    memory.status.totalVirtual = 0;
    memory.status.availVirtual = 0;
    Measures measures(memory, cpu, ".");
    std::string text;
    EXPECT_EQ(measures.GetMeasure(9, text), 0);
    EXPECT_EQ(text, "0 %");
    EXPECT_EQ(Text(measures, 10), "-100 %");
    EXPECT_EQ(Text(measures, 11), "0 B");
    EXPECT_EQ(Text(measures, 12), "-0 B");
    EXPECT_EQ(measures.UsagePercent(kVirtualMemory), 0);
    EXPECT_EQ(UsagePercentage(5, 0), 0);
}

TEST_F(MeasuresTest, MemoryIsReadAtEachUseAgainstTheStartTotal) {
    Measures measures(memory, cpu, ".");
    // The system later reports another total and less free memory.
    memory.status.totalPhys = 1024 * kMB;
    memory.status.availPhys = 128 * kMB;
    const int before = memory.reads;
    EXPECT_EQ(Text(measures, 7), "384 MB");  // against the 512 MB of the start
    EXPECT_EQ(measures.UsagePercent(kOperativeMemory), 75);
    EXPECT_EQ(memory.reads, before + 2);
    EXPECT_EQ(measures.TotalPhysAtStart(), 512 * kMB);
}

TEST_F(MeasuresTest, SizeTextScalesInThreeUnits) {
    Measures measures(memory, cpu, ".");
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0 "},
        {1023, "1023 "},
        {1024, "1 k"},
        {1536, "1.5 k"},
        {9676, "9.4 k"},
        {9728, "10 k"},
        {1048575, "1024 k"},
        {1572864, "1.5 M"},
        {4096 * kMB, "4096 M"},
        // 1.45 kB rounds up to 1.5 (halves upward); 9.49 kB gives 9.5, as Round(9.49) is 9.
        {1485, "1.5 k"},
        {9718, "9.5 k"},
        {10 * kMB + kMB / 2, "10 M"},
        {64 * 1024 * kMB, "65536 M"},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(measures.SizeText(bytes), expected) << bytes;
    }
    Measures comma(memory, cpu, ",");
    EXPECT_EQ(comma.SizeText(1536), "1,5 k");
    EXPECT_EQ(comma.SizeText(1024), "1 k");
    memory.status.availPhys = 1572864;
    EXPECT_EQ(Text(comma, 8), "-1,5 MB");
}

TEST_F(MeasuresTest, InfoHintHasFourLines) {
    Measures measures(memory, cpu, ".");
    EXPECT_EQ(measures.InfoHintText(),
              "CPU: 600 MHz (30 %) of 2000 MHz\r\n"
              "RAM: 301 MB (59 %) of 512 MB\r\n"
              "Swap: 256 MB (25 %) of 1024 MB\r\n"
              "Virtual: 512 MB (25 %) of 2048 MB");

    memory.status.totalPageFile = 0;
    memory.status.availPageFile = 0;
    memory.status.availPhys = 1536;
    const std::string& hint = measures.InfoHintText();
    EXPECT_NE(hint.find("RAM: 512 MB (100 %) of 512 MB\r\n"), std::string::npos) << hint;
    EXPECT_NE(hint.find("Swap: 0 B (0 %) of 0 B\r\n"), std::string::npos) << hint;
}

}  // namespace
}  // namespace tarnwick
