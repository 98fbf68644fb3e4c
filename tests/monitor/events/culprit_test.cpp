// The process a message names: who is the culprit of a reading, how the line reads, the watch
// that reads the table only while it is wanted, and the engine that adds the line.
#include "monitor/events/culprit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <mutex>
#include <thread>

#include "monitor/events/culprit_watch.h"
#include "monitor/events/events_controller.h"
#include "tests/support/event_fakes.h"
#include "tests/support/eventually.h"
#include "tests/support/fake_process_table.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using platform::ProcessFigures;
using platform::ProcessTableReading;
using testing::Eventually;
using testing::FakeProcessTable;

constexpr std::uint64_t kMiB = 1048576;

// Names the processes it is told of; the rest have ended.
class Names : public platform::ProcessTable {
public:
    explicit Names(std::map<std::int32_t, std::string> names) : names_(std::move(names)) {}
    void Read(const platform::ProcessFiguresWanted&, ProcessTableReading&) override {}
    std::optional<std::string> Name(std::int32_t pid) override {
        const auto found = names_.find(pid);
        return found == names_.end() ? std::nullopt : std::optional<std::string>(found->second);
    }

private:
    std::map<std::int32_t, std::string> names_;
};

ProcessFigures Process(std::int32_t pid, std::uint64_t time, std::uint64_t resident = 0,
                       std::uint64_t started = 100) {
    ProcessFigures process;
    process.pid = pid;
    process.started = started;
    process.processorTime = time;
    process.resident = resident;
    return process;
}

ProcessTableReading Reading(std::uint64_t total, std::vector<ProcessFigures> processes) {
    ProcessTableReading reading;
    reading.readable = true;
    reading.totalProcessorTime = total;
    reading.processes = std::move(processes);
    return reading;
}

TEST(FindCulprit, TheShareIsTheGrowthOfEachProcessAgainstTheGrowthOfAll) {
    Names names({{10, "idle"}, {20, "firefox"}, {30, "fresh"}});
    const ProcessTableReading before = Reading(1000, {Process(10, 500), Process(20, 100)});
    // 200 ticks of all processors: firefox 126 of them, 63 %.
    ProcessTableReading now = Reading(1200, {Process(10, 510), Process(20, 226)});
    Culprit culprit = FindCulprit(CulpritMeasure::ProcessorShare, now, &before, names);
    EXPECT_TRUE(culprit.known);
    EXPECT_EQ(culprit.name, "firefox");
    EXPECT_EQ(culprit.pid, 20);
    EXPECT_EQ(culprit.amount, 63u);
    EXPECT_EQ(CulpritLine(CulpritMeasure::ProcessorShare, culprit),
              "Busiest: firefox (pid 20) 63 %");

    // A process that started since (a new one, or a new owner of an old pid) counts with all
    // its time; more than all is 100 %.
    now = Reading(1200, {Process(10, 510), Process(20, 226), Process(30, 150)});
    EXPECT_EQ(FindCulprit(CulpritMeasure::ProcessorShare, now, &before, names).name, "fresh");
    now = Reading(1200, {Process(10, 510), Process(20, 260, 0, 999)});
    culprit = FindCulprit(CulpritMeasure::ProcessorShare, now, &before, names);
    EXPECT_EQ(culprit.pid, 20);
    EXPECT_EQ(culprit.amount, 100u);

    // Without an earlier reading, or without time passing, there is no share.
    EXPECT_FALSE(FindCulprit(CulpritMeasure::ProcessorShare, now, nullptr, names).known);
    EXPECT_FALSE(FindCulprit(CulpritMeasure::ProcessorShare, before, &before, names).known);
}

TEST(FindCulprit, TheLargestThatCanStillBeNamedElseUnknown) {
    Names names({{5, "small"}, {6, "chromium"}});
    // 8 has the most but ended before its name could be read.
    const ProcessTableReading now = Reading(
        0, {Process(5, 0, 10 * kMiB), Process(6, 0, 2140 * kMiB), Process(8, 0, 4000 * kMiB)});
    const Culprit culprit = FindCulprit(CulpritMeasure::Resident, now, nullptr, names);
    EXPECT_EQ(CulpritLine(CulpritMeasure::Resident, culprit), "Largest: chromium (pid 6) 2140 MB");

    // Nobody swapped anything; the table could not be read.
    EXPECT_EQ(CulpritLine(CulpritMeasure::Swapped,
                          FindCulprit(CulpritMeasure::Swapped, now, nullptr, names)),
              "Largest: unknown");
    const ProcessTableReading unreadable;
    EXPECT_EQ(CulpritLine(CulpritMeasure::ProcessorShare,
                          FindCulprit(CulpritMeasure::ProcessorShare, unreadable, &now, names)),
              "Busiest: unknown");
}

TEST(CulpritLine, NamesCannotBreakOrDisguiseTheLine) {
    EXPECT_EQ(ProcessNameText("kworker/0:1"), "kworker/0:1");
    EXPECT_EQ(ProcessNameText("caf\xc3\xa9 \xe6\x97\xa5"), QString::fromUtf8("café 日"));
    EXPECT_EQ(ProcessNameText("bad\x1b[31m\xff\xfeline\n"), "bad\\x1b[31m\\xff\\xfeline\\x0a");
    EXPECT_EQ(ProcessNameText("a\rb\tc\x7f"), "a\\x0db\\x09c\\x7f");
    // A backslash of the name itself cannot pass for an escape.
    EXPECT_EQ(ProcessNameText("a\\x41"), "a\\\\x41");
    // A C1 control, the line separator, a right-to-left override, an overlong "/", a cut
    // sequence and a surrogate.
    EXPECT_EQ(ProcessNameText("\xc2\x85|\xe2\x80\xa8|\xe2\x80\xae|\xc0\xaf|\xe6\x97|\xed\xa0\x80"),
              "\\xc2\\x85|\\xe2\\x80\\xa8|\\xe2\\x80\\xae|\\xc0\\xaf|\\xe6\\x97|\\xed\\xa0\\x80");
}

TEST(CulpritLine, ComesAfterTheAutomaticOrTheUsersText) {
    EXPECT_EQ(WithLine("Processor usage\r\nduring 0 hours, 1 minutes and 0 seconds\r\nwas more "
                       "than 90 %",
                       "Busiest: x (pid 1) 95 %"),
              "Processor usage\r\nduring 0 hours, 1 minutes and 0 seconds\r\nwas more than 90 "
              "%\r\nBusiest: x (pid 1) 95 %");
    EXPECT_EQ(WithLine("Alarm\r\nCheck the disk\r\n", "Largest: y (pid 2) 3 MB"),
              "Alarm\r\nCheck the disk\r\nLargest: y (pid 2) 3 MB");
    EXPECT_EQ(WithLine("", "Busiest: unknown"), "Busiest: unknown");
}

class WatchTest : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kInterval{40};

    static CulpritMeasures Share() {
        CulpritMeasures measures{};
        measures[IndexOf(CulpritMeasure::ProcessorShare)] = true;
        return measures;
    }

    void SetUp() override { table.AddProcess(20, "burner", 100); }

    CulpritWatch::Answer Keep() {
        return [this](const Culprit& culprit) { answer = culprit; };
    }

    FakeProcessTable table;
    QObject context;
    std::optional<Culprit> answer;
};

TEST_F(WatchTest, ReadsNothingUntilWantedAndStopsWhenNoLongerWanted) {
    CulpritWatch watch(table, &context, kInterval);
    watch.Want(CulpritMeasures{});
    std::this_thread::sleep_for(3 * kInterval);
    EXPECT_EQ(table.Reads(), 0);

    watch.Want(Share());
    ASSERT_TRUE(Eventually([&] { return table.Reads() >= 3; }));
    watch.Want(CulpritMeasures{});
    std::this_thread::sleep_for(kInterval);
    const int stopped = table.Reads();
    std::this_thread::sleep_for(4 * kInterval);
    EXPECT_EQ(table.Reads(), stopped);
}

TEST_F(WatchTest, AtMostOneReadingAnInterval) {
    CulpritWatch watch(table, &context, kInterval);
    const auto start = std::chrono::steady_clock::now();
    watch.Want(Share());
    std::this_thread::sleep_for(10 * kInterval);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LE(table.Reads(), elapsed / kInterval + 1);
    EXPECT_GE(table.Reads(), 2);
}

TEST_F(WatchTest, AHugeTableIsReadAtMostAQuarterOfTheTime) {
    table.SetReadTime(kInterval);
    CulpritWatch watch(table, &context, kInterval);
    const auto start = std::chrono::steady_clock::now();
    watch.Want(Share());
    std::this_thread::sleep_for(12 * kInterval);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LE(table.Reads(), elapsed / (4 * kInterval) + 1);
    EXPECT_GE(table.Reads(), 2);
}

TEST_F(WatchTest, AnAnswerWaitsForTheSecondReadingThenComesAtOnce) {
    CulpritWatch watch(table, &context, kInterval);
    // Asked before any reading: answered through the event loop once two readings tell it.
    watch.Ask(CulpritMeasure::ProcessorShare, Keep());
    EXPECT_FALSE(answer.has_value());
    ASSERT_TRUE(Eventually([&] { return answer.has_value(); }));
    EXPECT_EQ(CulpritLine(CulpritMeasure::ProcessorShare, *answer),
              "Busiest: burner (pid 20) 50 %");
    EXPECT_EQ(table.Reads(), 2);

    // While the condition holds the readings go on, so a later question is answered at once.
    watch.Want(Share());
    const int seen = watch.Readings();
    ASSERT_TRUE(Eventually([&] { return watch.Readings() > seen + 1; }));
    answer.reset();
    watch.Ask(CulpritMeasure::ProcessorShare, Keep());
    EXPECT_TRUE(answer.has_value());
}

// The engine with one processor event, "more than 50 %" for 3 seconds, whose message names its
// culprit; the ticks come as fast as the watch reads.
class CulpritEngineTest : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kInterval{40};

    void Load(const std::string& keys) {
        testing::TempFolder::Write(
            path,
            "[main]\ncount=1\n[event1]\nname=Busy\nevent=0\nvalue=50\nsec=3\naction=1\n"
            "execute=2\nactive=1\n[action1]\nautotext=1\n" +
                keys);
        engine.miRefEventsClick();
    }
    void Tick(int load) {
        cpu.CPUUsage = load;
        engine.CheckEvents();
        std::this_thread::sleep_for(kInterval);
        QCoreApplication::processEvents();
    }

    testing::TempFolder folder;
    std::string path = folder.file("events.cfg");
    testing::FakeMemory memory;
    CpuFigures cpu;
    Measures measures{memory, cpu, "."};
    testing::FakeActionSet fakes;
    EventActions actions{fakes.Services()};
    FakeProcessTable table;
    EventsController engine{nullptr, measures, cpu, actions, nullptr, path};
};

TEST_F(CulpritEngineTest, TheTableIsReadOnlyWhileTheConditionHoldsAndTheBoxEndsWithTheCulprit) {
    engine.SetProcessTable(table, kInterval);
    table.AddProcess(42, "tarnwickburn", 150);
    Load("culprit=1\n");
    Tick(10);
    Tick(10);
    EXPECT_EQ(table.Reads(), 0);
    Tick(60);  // the readings start
    Tick(60);
    Tick(60);  // fires
    ASSERT_TRUE(Eventually([&] { return fakes.dialogs.boxes.size() == 1; }));
    EXPECT_TRUE(fakes.dialogs.boxes[0].text.endsWith(
        "was more than 50 %\r\nBusiest: tarnwickburn (pid 42) 75 %"))
        << fakes.dialogs.boxes[0].text.toStdString();
    Tick(10);
    const int reads = table.Reads();
    Tick(10);
    Tick(10);
    EXPECT_EQ(table.Reads(), reads);
}

TEST_F(CulpritEngineTest, WithoutTheChoiceTheTableIsNeverReadAndTheTextIsAsBefore) {
    engine.SetProcessTable(table, kInterval);
    Load("culprit=0\n");
    for (int i = 0; i < 3; ++i) {
        Tick(60);
    }
    EXPECT_EQ(table.Reads(), 0);
    ASSERT_EQ(fakes.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(fakes.dialogs.boxes[0].text.endsWith("was more than 50 %"));
}

TEST_F(CulpritEngineTest, AnEventOfOneSecondWaitsForTheSecondReading) {
    engine.SetProcessTable(table, kInterval);
    table.AddProcess(7, "sleepy", 2);
    testing::TempFolder::Write(path,
                               "[main]\ncount=1\n[event1]\nevent=0\nvalue=50\nsec=1\naction=1\n"
                               "execute=1\nactive=1\n[action1]\nlinescount=1\nline1=Busy\n"
                               "culprit=1\nnotify=1\n");
    engine.miRefEventsClick();
    cpu.CPUUsage = 90;
    engine.CheckEvents();
    EXPECT_TRUE(fakes.notifications.shown.empty());
    ASSERT_TRUE(Eventually([&] { return fakes.notifications.shown.size() == 1; }));
    EXPECT_EQ(fakes.notifications.shown[0].body, "Busy\nBusiest: sleepy (pid 7) 1 %");
    EXPECT_TRUE(fakes.dialogs.boxes.empty());
}

}  // namespace
}  // namespace tarnwick
