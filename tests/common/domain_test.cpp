// The numbers the files store and the values the code works with.
#include "common/domain.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnwick {
namespace {

TEST(Measures, NumbersNameResourceAndKindInTheMenusOrder) {
    const struct {
        int number;
        Resource resource;
        MeasureKind kind;
    } rows[] = {
        {1, Resource::Processor, MeasureKind::UsagePercent},
        {4, Resource::Processor, MeasureKind::FreeAmount},
        {5, Resource::OperativeMemory, MeasureKind::UsagePercent},
        {7, Resource::OperativeMemory, MeasureKind::UsageAmount},
        {10, Resource::SwapFile, MeasureKind::FreePercent},
        {16, Resource::VirtualMemory, MeasureKind::FreeAmount},
    };
    for (const auto& row : rows) {
        const std::optional<Measure> measure = MeasureFromNumber(row.number);
        ASSERT_TRUE(measure.has_value()) << row.number;
        EXPECT_EQ(*measure, (Measure{row.resource, row.kind})) << row.number;
    }
    std::set<std::size_t> indexes;
    for (int number = 1; number <= kMeasureCount; ++number) {
        const Measure measure = *MeasureFromNumber(number);
        EXPECT_EQ(NumberOf(measure), number);
        indexes.insert(measure.Index());
    }
    EXPECT_EQ(indexes.size(), 16u);
    EXPECT_EQ(*indexes.rbegin(), 15u);
    for (const int outside : {0, 17, -1}) {
        EXPECT_FALSE(MeasureFromNumber(outside).has_value()) << outside;
    }
    EXPECT_EQ(NumberOf(NearestMeasure(0)), 1);
    EXPECT_EQ(NumberOf(NearestMeasure(300)), 16);
    EXPECT_TRUE(MeasureFromNumber(2)->InPercent() && MeasureFromNumber(2)->Free());
    EXPECT_FALSE(MeasureFromNumber(11)->InPercent() || MeasureFromNumber(11)->Free());
}

TEST(StoredNumbers, ReadAsTheFilesMeanThemAndWriteBackTheSame) {
    EXPECT_EQ(ResourceFromNumber(3), Resource::VirtualMemory);
    EXPECT_FALSE(ResourceFromNumber(4).has_value());
    EXPECT_EQ(EventActionFromNumber(8), EventAction::SwitchOff);
    EXPECT_FALSE(EventActionFromNumber(9).has_value());
    EXPECT_FALSE(EventActionFromNumber(-1).has_value());
    EXPECT_EQ(ExecuteMethodFromNumber(2), ExecuteMethod::Permanently);
    EXPECT_FALSE(ExecuteMethodFromNumber(3).has_value());
    // [main] mode: only 1 is the diagram.
    for (const auto& [number, mode] : {std::pair{1, DisplayMode::OneDiagram},
                                       {2, DisplayMode::TwoIndicators},
                                       {0, DisplayMode::TwoIndicators},
                                       {3, DisplayMode::TwoIndicators}}) {
        EXPECT_EQ(DisplayModeFromNumber(number), mode) << number;
    }
    EXPECT_EQ(NumberOf(DisplayMode::OneDiagram), 1);
    EXPECT_EQ(NumberOf(DisplayMode::TwoIndicators), 2);
    // [main] icons: 1..4 the resources in their order, anything else none.
    for (const Resource resource : kResources) {
        const TrayMeasure tray = TrayMeasureOf(resource);
        EXPECT_EQ(NumberOf(tray), NumberOf(resource) + 1);
        EXPECT_EQ(TrayMeasureFromNumber(NumberOf(tray)), tray);
        EXPECT_EQ(ResourceOf(tray), resource);
    }
    for (const int none : {0, 5, -1}) {
        EXPECT_EQ(TrayMeasureFromNumber(none), TrayMeasure::None) << none;
    }
    EXPECT_FALSE(ResourceOf(TrayMeasure::None).has_value());
}

}  // namespace
}  // namespace tarnwick
