// Pressure events: the kernel's stall shares compared in whole percent, read only for active
// pressure events, and never fired where the system does not tell them.
#include "monitor/events/events_controller.h"

#include <gtest/gtest.h>

#include "tests/support/event_fakes.h"
#include "tests/support/fake_pressure.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::FakeActionSet;
using testing::FakeMemory;
using testing::FakePressure;
using testing::TempFolder;

constexpr std::size_t kProcessorShare = 0;
constexpr std::size_t kMemoryShare = 1;
constexpr std::size_t kInputOutputShare = 2;

class PressureEngine : public ::testing::Test {
protected:
    void SetUp() override { engine.SetPressureFigures(pressure); }

    void Load(const std::string& text) {
        TempFolder::Write(path, text);
        engine.miRefEventsClick();
    }

    // Event n watching `event` with the given keys, opening a folder when it fires.
    static std::string Event(int n, int event, const std::string& keys) {
        const std::string number = std::to_string(n);
        return "[event" + number + "]\nevent=" + std::to_string(event) + "\n" + keys +
               "\naction=4\nexecute=2\n[action" + number + "]\nfolder=/e" + number + "\n";
    }

    // The ticks (1-based) on which the memory-pressure events fired, one share per tick.
    std::vector<int> FiringTicks(const std::vector<std::optional<std::int32_t>>& shares) {
        std::vector<int> ticks;
        for (std::size_t i = 0; i < shares.size(); ++i) {
            pressure.shares[kMemoryShare] = shares[i];
            const std::size_t before = fakes.dialogs.opened.size();
            engine.CheckEvents();
            if (fakes.dialogs.opened.size() != before) {
                ticks.push_back(static_cast<int>(i + 1));
            }
        }
        return ticks;
    }

    TempFolder folder;
    std::string path = folder.file("events.cfg");
    FakeMemory memory;
    CpuFigures cpu;
    Measures measures{memory, cpu, "."};
    FakeActionSet fakes;
    EventActions actions{fakes.Services()};
    FakePressure pressure;
    EventsController engine{nullptr, measures, cpu, actions, nullptr, path};
};

TEST_F(PressureEngine, ComparesTheRoundedShareInPercentWhateverTheUnitSays) {
    // measure=1 in the file: a pressure has no absolute unit, so it is still percent.
    Load("[main]\ncount=1\n" + Event(1, 5, "value=20\nmeasure=1\nsec=1\nactive=1"));
    EXPECT_TRUE(engine.Table()[0].InPercent);
    // 20.50 % rounds to 20, not more than 20; 20.51 % rounds to 21.
    EXPECT_EQ(FiringTicks({2050, 2049, 2051}), std::vector<int>{3});

    // Each pressure reads its own share.
    fakes.dialogs.opened.clear();
    pressure.shares = {6000, 0, 500};
    Load("[main]\ncount=3\n" + Event(1, 4, "value=59\nsec=1\nactive=1") +
         Event(2, 6, "value=5\nsec=1\nactive=1") +
         Event(3, 6, "biglit=1\nvalue=6\nsec=1\nactive=1"));
    engine.CheckEvents();
    EXPECT_EQ(fakes.dialogs.opened, (std::vector<QString>{"folder /e1", "folder /e3"}));
}

TEST_F(PressureEngine, NeverFiresWhereTheSystemDoesNotTellIt) {
    // "More than -1 %" holds for every share there is, and for none where there is none.
    Load("[main]\ncount=1\n" + Event(1, 5, "value=-1\nsec=3\nactive=1"));
    EXPECT_TRUE(FiringTicks({std::nullopt, std::nullopt, std::nullopt, std::nullopt}).empty());
    // A tick without a share breaks the run: the count starts again after it.
    Load("[main]\ncount=1\n" + Event(1, 5, "value=-1\nsec=3\nactive=1"));
    EXPECT_EQ(FiringTicks({0, 0, std::nullopt, 0, 0, 0}), std::vector<int>{6});

    // Past the pressures no number names anything.
    pressure.shares = {0, 0, 0};
    Load("[main]\ncount=1\n" + Event(1, 7, "value=-1\nsec=1\nactive=1"));
    const std::size_t fired = fakes.dialogs.opened.size();
    const int reads = pressure.Reads();
    engine.CheckEvents();
    EXPECT_EQ(fakes.dialogs.opened.size(), fired);
    EXPECT_EQ(pressure.Reads(), reads);
}

TEST_F(PressureEngine, ReadsOnlyForActivePressureEventsAndEachOncePerTick) {
    pressure.shares = {0, 0, 0};
    Load("[main]\ncount=4\n" + Event(1, 0, "value=50\nsec=1\nactive=1") +
         Event(2, 1, "value=50\nsec=1\nactive=1") + Event(3, 4, "value=50\nsec=1\nactive=0") +
         Event(4, 6, "value=50\nsec=1\nactive=0"));
    for (int tick = 0; tick < 3; ++tick) {
        engine.CheckEvents();
    }
    EXPECT_EQ(pressure.Reads(), 0);

    Load("[main]\ncount=3\n" + Event(1, 5, "value=50\nsec=1\nactive=1") +
         Event(2, 5, "biglit=1\nvalue=50\nsec=9\nactive=1") +
         Event(3, 6, "value=50\nsec=1\nactive=0"));
    engine.CheckEvents();
    EXPECT_EQ(pressure.reads, (std::array<int, 3>{0, 1, 0}));
    engine.CheckEvents();
    EXPECT_EQ(pressure.reads[kMemoryShare], 2);

    // Switched off in the menu, they cost nothing more.
    engine.EventsMenuClick(0);
    engine.EventsMenuClick(1);
    engine.CheckEvents();
    EXPECT_EQ(pressure.Reads(), 2);
    EXPECT_EQ(pressure.reads[kProcessorShare] + pressure.reads[kInputOutputShare], 0);
}

TEST_F(PressureEngine, TheAutomaticTextNamesThePressureInPercent) {
    Load(
        "[main]\ncount=2\n[event1]\nevent=5\nvalue=20\nmeasure=1\nmin=1\nsec=0\naction=1\n"
        "[action1]\nautotext=1\n"
        "[event2]\nevent=6\nbiglit=1\nvalue=3\nhour=2\naction=1\n[action2]\nautotext=1\n");
    ASSERT_EQ(engine.Table().size(), 2u);
    EXPECT_EQ(engine.Table()[0].MessageText,
              "Memory pressure\r\nduring 0 hours, 1 minutes and 0 seconds\r\nwas more than 20 %");
    EXPECT_EQ(engine.Table()[1].MessageText,
              "Input/output pressure\r\nduring 2 hours, 0 minutes and 1 seconds\r\nwas less than "
              "3 %");
}

}  // namespace
}  // namespace tarnwick
