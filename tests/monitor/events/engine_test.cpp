// The engine: counting ticks, firing by execution method, the values it compares and the
// table it loads, all on fake figures and fake actions.
#include "monitor/events/events_controller.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "tests/support/event_fakes.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::FakeActionSet;
using testing::FakeMemory;
using testing::TempFolder;

constexpr std::int64_t kMiB = 1048576;

// A monitor without a window: fake memory, processor figures set by hand, fake actions and an
// events file in a temporary folder.
class EngineTest : public ::testing::Test {
protected:
    // Operative memory 60 % in use, swap 67 %, virtual 25 %.
    static FakeMemory Memory() {
        FakeMemory memory;
        memory.status = {1000 * kMiB, 400 * kMiB,  3000 * kMiB,
                         1000 * kMiB, 4000 * kMiB, 3000 * kMiB};
        return memory;
    }

    void Load(const std::string& text) {
        TempFolder::Write(path, text);
        engine.miRefEventsClick();
    }

    // The ticks (1-based) on which some action was carried out, for one CPUUsage per tick.
    std::vector<int> FiringTicks(const std::vector<int>& loads) {
        std::vector<int> ticks;
        for (std::size_t i = 0; i < loads.size(); ++i) {
            cpu.CPUUsage = loads[i];
            const std::size_t before = fakes.dialogs.opened.size();
            engine.CheckEvents();
            if (fakes.dialogs.opened.size() != before) {
                ticks.push_back(static_cast<int>(i + 1));
            }
        }
        return ticks;
    }

    // A processor event in percent that opens a folder when it fires.
    static std::string ProcessorEvent(const std::string& keys) {
        return "[main]\ncount=1\n[event1]\nevent=0\nbiglit=0\nvalue=50\naction=4\nactive=1\n" +
               keys + "\n[action1]\nfolder=/tmp\n";
    }

    TempFolder folder;
    std::string path = folder.file("events.cfg");
    FakeMemory memory = Memory();
    CpuFigures cpu;
    Measures measures{memory, cpu, "."};
    FakeActionSet fakes;
    EventActions actions{fakes.Services()};
    int closes = 0;
    EventsController engine{nullptr, measures, cpu, actions, [this] { ++closes; }, path};
};

TEST_F(EngineTest, FiresWhenTheConditionHasHeldForTheWholeTimeWithStrictComparison) {
    Load(ProcessorEvent("hour=0\nmin=0\nsec=3\nexecute=1"));
    EXPECT_EQ(FiringTicks({60, 60, 60}), std::vector<int>{3});

    Load(ProcessorEvent("hour=0\nmin=0\nsec=3\nexecute=1"));
    // 50 is not more than 50: the count starts again.
    EXPECT_EQ(FiringTicks({60, 50, 60, 60, 60}), std::vector<int>{5});

    Load("[main]\ncount=1\n[event1]\nbiglit=7\nvalue=50\nsec=2\naction=4\nexecute=2\nactive=1\n");
    EXPECT_EQ(FiringTicks({40, 50, 40, 40}), std::vector<int>{4});  // any biglit but 0: less
}

TEST_F(EngineTest, ExecutionMethodsDecideWhatHappensAfterFiring) {
    Load(ProcessorEvent("sec=3\nexecute=2"));
    EXPECT_EQ(FiringTicks(std::vector<int>(10, 60)), (std::vector<int>{3, 6, 9}));

    // Once per session: fires once, stays ticked, and counts again after a reload.
    Load(ProcessorEvent("sec=1\nexecute=1"));
    EXPECT_EQ(FiringTicks({60, 60, 60}), std::vector<int>{1});
    EXPECT_TRUE(engine.Table()[0].Active);
    EXPECT_TRUE(engine.Table()[0].DoneThisRun);
    engine.miRefEventsClick();
    EXPECT_EQ(FiringTicks({60}), std::vector<int>{1});

    // An unknown method lets the count run past the time: again only after a failing tick.
    Load(ProcessorEvent("sec=2\nexecute=9"));
    EXPECT_EQ(FiringTicks({60, 60, 60, 60, 10, 60, 60}), (std::vector<int>{2, 7}));
}

TEST_F(EngineTest, OneTimeEventSwitchesItselfOffInTheFile) {
    Load(ProcessorEvent("sec=1\nexecute=0"));
    EXPECT_EQ(FiringTicks({60, 60, 60}), std::vector<int>{1});
    EXPECT_FALSE(engine.Table()[0].Active);
    EXPECT_FALSE(ReadBool(LoadProfile(path), "event1", "active", true));
    engine.miRefEventsClick();
    EXPECT_TRUE(FiringTicks({60, 60}).empty());
}

TEST_F(EngineTest, TimesOfZeroNegativeOrMissingAndUnknownResources) {
    Load(ProcessorEvent("execute=2"));  // no sec: one second
    EXPECT_EQ(engine.Table()[0].Duration, 1);
    EXPECT_EQ(FiringTicks({60, 40, 60}), (std::vector<int>{1, 3}));

    Load(ProcessorEvent("sec=0\nexecute=9"));  // 0: every tick on which it holds
    EXPECT_EQ(FiringTicks({60, 60, 40, 60}), (std::vector<int>{1, 2, 4}));

    Load(ProcessorEvent("sec=-5\nexecute=2"));
    EXPECT_TRUE(FiringTicks(std::vector<int>(10, 60)).empty());

    Load(ProcessorEvent("hour=600000\nexecute=2"));  // wraps negative in 32 bits
    EXPECT_LT(engine.Table()[0].Duration, 0);

    Load("[main]\ncount=1\n[event1]\nevent=260\nvalue=-1\nsec=1\naction=4\nexecute=2\nactive=1\n");
    EXPECT_TRUE(FiringTicks({60, 60}).empty());
}

TEST_F(EngineTest, MemoryValuesComeFromOneRefreshPerTick) {
    std::string text = "[main]\ncount=6\n";
    const char* const events[] = {"event=1\nvalue=59", "event=1\nmeasure=1\nvalue=599",
                                  "event=2\nvalue=66", "event=2\nmeasure=1\nvalue=2009",
                                  "event=3\nvalue=24", "event=3\nmeasure=1\nvalue=999"};
    for (int n = 1; n <= 6; ++n) {
        text += "[event" + std::to_string(n) + "]\n" + events[n - 1] +
                "\nsec=1\naction=4\nexecute=2\nactive=1\n[action" + std::to_string(n) +
                "]\nfolder=/e" + std::to_string(n) + "\n";
    }
    Load(text);
    const int before = memory.reads;
    engine.CheckEvents();
    EXPECT_EQ(memory.reads - before, 1);
    // 600 MB, 2010 MB (67 % of 3000) and 1000 MB are each just above their thresholds.
    EXPECT_EQ(fakes.dialogs.opened.size(), 6u);

    // The absolute figure follows the rounded percentage (2010 MB), not the bytes (2000 MB).
    Load(
        "[main]\ncount=1\n[event1]\nevent=2\nmeasure=1\nvalue=2005\nsec=1\naction=4\n"
        "execute=2\nactive=1\n");
    engine.CheckEvents();
    EXPECT_EQ(fakes.dialogs.opened.size(), 7u);

    // Processor events leave the memory alone; in MHz they take the share of the speed.
    cpu.CPUSpeed = 2000;
    Load(
        "[main]\ncount=1\n[event1]\nmeasure=1\nvalue=1250\nsec=1\naction=4\nexecute=2\n"
        "active=1\n");
    const int processorOnly = memory.reads;
    EXPECT_EQ(FiringTicks({62, 63}), std::vector<int>{2});  // 1240, 1260 MHz
    EXPECT_EQ(memory.reads, processorOnly);
}

TEST_F(EngineTest, MessageTextsAndSignalLengths) {
    Load(
        "[main]\ncount=3\n"
        "[event1]\nevent=2\nbiglit=1\nvalue=200\nmeasure=1\nhour=1\nmin=2\nsec=3\naction=1\n"
        "[action1]\nautotext=1\nlinescount=2\nline1=ignored\nsound=1\ntime=300\npause=700\n"
        "loop=time\nhour=0\nmin=0\nsec=5\n"
        "[event2]\naction=1\n[action2]\nlinescount=2\nline1=Alarm\nline2=Check the disk\n"
        "loop=Count\nloopcount=4\n"
        "[event3]\naction=1\n[action3]\nloop=time\ntime=0\npause=0\nsec=0\nmin=1\n");
    const EventTable& table = engine.Table();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].MessageText,
              "Swap file usage\r\nduring 1 hours, 2 minutes and 3 seconds\r\nwas less than 200 MB");
    EXPECT_EQ(table[0].LoopCount, 5);  // 5000 ms in cycles of 1000 ms
    EXPECT_FALSE(table[0].Infinite);
    EXPECT_EQ(table[1].MessageText, "Alarm\r\nCheck the disk\r\n");
    EXPECT_TRUE(table[1].Infinite);    // "Count" is not "count"
    EXPECT_EQ(table[2].LoopCount, 1);  // a cycle of 0 ms: one impulse

    EventKeys processor;
    processor.value = 90;
    processor.min = 5;
    processor.sec = 90;
    EXPECT_EQ(AutomaticText(processor),
              "Processor usage\r\nduring 0 hours, 5 minutes and 90 seconds\r\nwas more than 90 %");
    processor.measure = 1;
    EXPECT_TRUE(AutomaticText(processor).endsWith(" MHz"));
    EXPECT_EQ(CyclesIn(2500, 500, 500), 2);  // 2.5 rounds to even
    EXPECT_EQ(CyclesIn(3500, 500, 500), 4);
}

TEST_F(EngineTest, EachActionReachesItsSeam) {
    Load(
        "[main]\ncount=6\n"
        "[event1]\naction=2\nactive=1\nexecute=2\n[action1]\nexecute=/opt/my tools/run me\n"
        "parameters=--file \"a b.txt\" -v\n"
        "[event2]\naction=3\nactive=1\nexecute=2\n[action2]\ndocument=/home/u/notes.txt\n"
        "[event3]\naction=5\nactive=1\nexecute=2\n"
        "[event4]\naction=8\nactive=1\nexecute=2\n"
        "[event5]\naction=9\nactive=1\nexecute=2\n"
        "[event6]\naction=264\nactive=1\nexecute=2\n");
    cpu.CPUUsage = 60;  // value 1 by default: more than 1
    engine.CheckEvents();
    ASSERT_EQ(fakes.dialogs.programs.size(), 1u);
    EXPECT_EQ(fakes.dialogs.programs[0].first, "/opt/my tools/run me");
    EXPECT_EQ(fakes.dialogs.programs[0].second, (QStringList{"--file", "a b.txt", "-v"}));
    EXPECT_EQ(fakes.dialogs.opened, std::vector<QString>{"document /home/u/notes.txt"});
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(fakes.power.calls, std::vector<std::string>{"switchoff"});  // not 264 & 255

    // Power actions belong to the two known platforms only.
    FakeActionSet other;
    EventActions elsewhere(other.Services(kPlatformOther));
    TEventRec restart;
    restart.Action = 6;
    elsewhere.Carry(restart);
    EXPECT_TRUE(other.power.calls.empty());
}

}  // namespace
}  // namespace tarnwick
