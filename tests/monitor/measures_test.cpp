#include "monitor/measures.h"

#include "tests/monitor/fakes.h"

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
        // 512 MB of operative memory, 211 MB of it free.
        memory.status.totalPhys = 512 * kMB;
        memory.status.availPhys = 211 * kMB;
        memory.status.totalPageFile = 1024 * kMB;
        memory.status.availPageFile = 768 * kMB;
        memory.status.totalVirtual = 2048 * kMB;
        memory.status.availVirtual = 1536 * kMB;
    }

    std::string Text(Measures& measures, int n) {
        std::string text;
        measures.GetMeasure(n, text);
        return text;
    }
};

TEST_F(MeasuresTest, OperativeMemoryMeasures) {
    Measures measures(memory, cpu, ".");
    std::string text;
    for (int n = 5; n <= 8; ++n) {
        EXPECT_EQ(measures.GetMeasure(n, text), 59) << n;
    }
    EXPECT_EQ(Text(measures, 5), "59 %");
    EXPECT_EQ(Text(measures, 6), "-41 %");
    EXPECT_EQ(Text(measures, 7), "301 MB");
    EXPECT_EQ(Text(measures, 8), "-211 MB");
}

TEST_F(MeasuresTest, SwapAndVirtualMeasures) {
    Measures measures(memory, cpu, ".");
    EXPECT_EQ(Text(measures, 9), "25 %");
    EXPECT_EQ(Text(measures, 10), "-75 %");
    EXPECT_EQ(Text(measures, 11), "256 MB");
    EXPECT_EQ(Text(measures, 12), "-768 MB");
    EXPECT_EQ(Text(measures, 13), "25 %");
    EXPECT_EQ(Text(measures, 14), "-75 %");
    EXPECT_EQ(Text(measures, 15), "512 MB");
    EXPECT_EQ(Text(measures, 16), "-1536 MB");
}

TEST_F(MeasuresTest, ProcessorMeasures) {
    cpu.CPUUsage = 30;
    cpu.CPUSpeed = 2000;
    Measures measures(memory, cpu, ".");
    std::string text;
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(measures.GetMeasure(n, text), 30) << n;
    }
    EXPECT_EQ(Text(measures, 1), "30 %");
    EXPECT_EQ(Text(measures, 2), "-70 %");
    EXPECT_EQ(Text(measures, 3), "600 MHz");
    EXPECT_EQ(Text(measures, 4), "-1400 MHz");

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

TEST_F(MeasuresTest, NumbersOutsideTheRangeGiveNothing) {
    Measures measures(memory, cpu, ".");
    std::string text = "stale";
    EXPECT_EQ(measures.GetMeasure(0, text), 0);
    EXPECT_EQ(text, "");
    text = "stale";
    EXPECT_EQ(measures.GetMeasure(17, text), 0);
    EXPECT_EQ(text, "");
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
    EXPECT_EQ(measures.UsagePercent(kSwapFile), 0);
    EXPECT_EQ(measures.UsagePercent(kVirtualMemory), 0);
    EXPECT_EQ(UsagePercentage(5, 0), 0);
}

TEST_F(MeasuresTest, MemoryIsReadAtEachUseAgainstTheStartTotal) {
    Measures measures(memory, cpu, ".");
    EXPECT_EQ(measures.TotalPhysAtStart(), 512 * kMB);

    // The system later reports another total and less free memory.
    memory.status.totalPhys = 1024 * kMB;
    memory.status.availPhys = 128 * kMB;
    const int before = memory.reads;
    EXPECT_EQ(Text(measures, 7), "384 MB");  // against the 512 MB of the start
    EXPECT_EQ(measures.UsagePercent(kOperativeMemory), 75);
    EXPECT_EQ(memory.reads, before + 2);
    EXPECT_EQ(measures.TotalPhysAtStart(), 512 * kMB);
}

TEST_F(MeasuresTest, UsagePercentOfEachResource) {
    cpu.CPUUsage = 42;
    Measures measures(memory, cpu, ".");
    EXPECT_EQ(measures.UsagePercent(kProcessor), 42);
    EXPECT_EQ(measures.UsagePercent(kOperativeMemory), 59);
    EXPECT_EQ(measures.UsagePercent(kSwapFile), 25);
    EXPECT_EQ(measures.UsagePercent(kVirtualMemory), 25);
    EXPECT_EQ(measures.UsagePercent(4), 0);
}

TEST_F(MeasuresTest, SizeTextScalesInThreeUnits) {
    Measures measures(memory, cpu, ".");
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0 "},
        {512, "512 "},
        {1023, "1023 "},
        {1024, "1 k"},
        {1536, "1.5 k"},
        {9676, "9.4 k"},
        {9728, "10 k"},
        {1048575, "1024 k"},
        {1572864, "1.5 M"},
        {536870912, "512 M"},
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
}

TEST_F(MeasuresTest, SizeTextUsesTheLocaleDecimalSeparator) {
    Measures measures(memory, cpu, ",");
    EXPECT_EQ(measures.SizeText(1536), "1,5 k");
    EXPECT_EQ(measures.SizeText(1024), "1 k");
    memory.status.availPhys = 1572864;
    EXPECT_EQ(Text(measures, 8), "-1,5 MB");
}

TEST_F(MeasuresTest, InfoHintHasFourLines) {
    cpu.CPUUsage = 30;
    cpu.CPUSpeed = 2000;
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
