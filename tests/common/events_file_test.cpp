// The events file: both readers' defaults, the editor's writes, switching and deleting.
#include "common/events_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/profile_file.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

class EventsFile : public ::testing::Test {
protected:
    std::string Read() const { return TempFolder::Read(path); }
    void Write(const std::string& text) const { TempFolder::Write(path, text); }

    TempFolder folder;
    std::string path = folder.file("events.cfg");
};

TEST_F(EventsFile, ReadersTakeTheirOwnDefaults) {
    Write("[main]\ncount=3\n[event1]\nevent=2\n[action1]\nloop=time\n[event2]\nname=Named\n");
    const ProfileText file = LoadProfile(path);
    const std::vector<EventEntry> monitor = ReadEvents(file, EventDefaults::Monitor);
    const std::vector<EventEntry> editor = ReadEvents(file, EventDefaults::Editor);
    ASSERT_EQ(monitor.size(), 3u);  // the third has no sections: all defaults
    ASSERT_EQ(editor.size(), 3u);
    EXPECT_EQ(monitor[0].event.name, "");
    EXPECT_EQ(editor[0].event.name, "Event 1");
    EXPECT_EQ(editor[2].event.name, "Event 3");
    EXPECT_EQ(editor[1].event.name, "Named");
    EXPECT_EQ(monitor[0].event.sec, 1);
    EXPECT_EQ(editor[0].event.sec, 0);
    EXPECT_EQ(monitor[0].event.event, 2);
    EXPECT_EQ(monitor[0].action.hour + monitor[0].action.min, 0);
    EXPECT_EQ(editor[0].action.hour + editor[0].action.min, 2);
}

TEST_F(EventsFile, AbsurdCountsAreCappedAndTheRestOfTheFileStillReads) {
    Write("[main]\ncount=-2\n");
    EXPECT_EQ(EventCount(LoadProfile(path)), 0);
    Write("[main]\ncount=2000000000\n[event1]\nname=Real\n[action1]\nlinescount=2000000000\n");
    const ProfileText file = LoadProfile(path);
    const std::int32_t count = EventCount(file);
    EXPECT_GT(count, 0);
    EXPECT_LE(static_cast<std::size_t>(count), file.Serialize().size());
    const EventEntry first = ReadEvent(file, 1, EventDefaults::Monitor);
    EXPECT_EQ(first.event.name, "Real");
    EXPECT_LE(first.action.lines.size(), file.Serialize().size());

    std::string big = "[main]\ncount=200000\n";
    big.resize(300000, ';');
    Write(big);
    EXPECT_EQ(EventCount(LoadProfile(path)), kMaxEvents);
}

TEST_F(EventsFile, MessageLinesOfAllEventsTogetherStayWithinTheFilesOwnLines) {
    std::string text = "[main]\ncount=200\n";
    for (int n = 1; n <= 200; ++n) {
        text += "[event" + std::to_string(n) + "]\naction=1\n[action" + std::to_string(n) +
                "]\nlinescount=2147483647\n";
        if (n == 1) {
            text += "LINE2=first\nline2=second\nline01=not a line\n";
        }
    }
    const ProfileText file = ProfileText::Parse(text);
    const std::vector<EventEntry> events = ReadEvents(file, EventDefaults::Monitor);
    ASSERT_EQ(events.size(), 200u);
    std::size_t lines = 0;
    for (const EventEntry& entry : events) {
        lines += entry.action.lines.size();
    }
    EXPECT_LE(lines, file.LineCount());
    ASSERT_GE(events[0].action.lines.size(), 2u);
    EXPECT_EQ(events[0].action.lines[0], "");  // "line01" is no name the editor writes
    EXPECT_EQ(events[0].action.lines[1], "first");
}

// Planted by another user (simulated with files given to "nobody"): no action of theirs may
// run as this user, whether the file itself, a link to theirs, or a file of ours in a folder
// where anyone may swap it.
TEST_F(EventsFile, AFileAnotherUserOwnsOrMayChangeRunsNothing) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    const std::string planted = "[main]\ncount=1\n[event1]\naction=2\nactive=1\n";
    Write(planted);
    EXPECT_EQ(ReadEvents(LoadEventsFile(path), EventDefaults::Monitor).size(), 1u);
    ASSERT_EQ(chown(path.c_str(), testing::kOtherUser, testing::kOtherUser), 0);
    EXPECT_TRUE(ReadEvents(LoadEventsFile(path), EventDefaults::Monitor).empty());

    TempFolder other;
    const std::string theirs = other.file("events.cfg");
    const std::string link = folder.file("link.cfg");
    TempFolder::Write(theirs, planted);
    ASSERT_EQ(symlink(theirs.c_str(), link.c_str()), 0);
    EXPECT_EQ(ReadEvents(LoadEventsFile(link), EventDefaults::Monitor).size(), 1u);
    ASSERT_EQ(chmod(other.path().c_str(), 0777), 0);  // anyone may replace files in it
    EXPECT_TRUE(ReadEvents(LoadEventsFile(link), EventDefaults::Monitor).empty());
    ASSERT_EQ(chmod(other.path().c_str(), 0700), 0);
    ASSERT_EQ(chown(theirs.c_str(), testing::kOtherUser, testing::kOtherUser), 0);
    EXPECT_TRUE(ReadEvents(LoadEventsFile(link), EventDefaults::Monitor).empty());
}

TEST_F(EventsFile, NewEventIsWrittenInTheEditorsOrder) {
    EventEntry entry;
    entry.event.name = "High load";
    entry.event.value = 90;
    entry.event.min = 5;
    entry.event.sec = 0;
    entry.event.action = 1;
    entry.event.execute = 2;
    entry.event.active = true;
    entry.action.autotext = true;
    entry.action.sound = true;
    entry.action.loop = "count";
    entry.action.loopcount = 3;
    EXPECT_EQ(WriteEvent(path, 0, entry), 1);
    EXPECT_EQ(Read(),
              "[main]\ncount=1\n[event1]\nname=High load\nevent=0\nbiglit=0\nvalue=90\n"
              "measure=0\nhour=0\nmin=5\nsec=0\naction=1\nexecute=2\nactive=1\n[action1]\n"
              "autotext=1\nlinescount=0\nsound=1\nfreq=1500\ntime=500\npause=1000\n"
              "loop=count\nloopcount=3\n");

    // Event 1 becomes a program, then a message again: the program keys stay behind.
    entry.event.action = 2;
    entry.action.execute = "/usr/bin/top";
    entry.action.parameters = "-d 1";
    EXPECT_EQ(WriteEvent(path, 1, entry), 1);
    entry.event.action = 1;
    entry.action.autotext = false;
    entry.action.lines = {"Alarm", "Check the disk"};
    entry.action.loop = "time";
    WriteEvent(path, 1, entry);
    const ProfileText file = LoadProfile(path);
    EXPECT_EQ(ReadString(file, "action1", "execute", ""), "/usr/bin/top");
    EXPECT_EQ(ReadString(file, "action1", "line2", ""), "Check the disk");
    EXPECT_EQ(ReadInteger(file, "action1", "hour", -1), 0);
    EXPECT_EQ(ReadInteger(file, "main", "count", 0), 1);
    EXPECT_EQ(WriteEvent(path, 0, entry), 2);
    EXPECT_EQ(ReadInteger(LoadProfile(path), "main", "count", 0), 2);

    WriteEventActive(path, 2, false);
    EXPECT_EQ(ReadString(LoadProfile(path), "event2", "active", ""), "0");
}

// The culprit line and the notification: a file of events without them is written as it
// always was, byte for byte; with them they follow the message's keys.
TEST_F(EventsFile, MessageChoicesAreInTheFileOnlyWhileInUse) {
    EventEntry entry;
    entry.event.name = "High load";
    entry.event.action = 1;
    entry.action.autotext = true;
    const std::string without =
        "[main]\ncount=1\n[event1]\nname=High load\nevent=0\nbiglit=0\nvalue=1\nmeasure=0\n"
        "hour=0\nmin=0\nsec=1\naction=1\nexecute=0\nactive=0\n[action1]\nautotext=1\n"
        "linescount=0\nsound=0\nfreq=1500\ntime=500\npause=1000\nloop=time\nhour=0\nmin=0\n"
        "sec=1\n";
    WriteEvent(path, 0, entry);
    EXPECT_EQ(Read(), without);

    entry.action.culprit = true;
    entry.action.notify = true;
    WriteEvent(path, 1, entry);
    EXPECT_EQ(Read(), without + "culprit=1\nnotify=1\n");
    const EventEntry read = ReadEvent(LoadProfile(path), 1, EventDefaults::Editor);
    EXPECT_TRUE(read.action.culprit);
    EXPECT_TRUE(read.action.notify);

    entry.action.culprit = false;
    entry.action.notify = false;
    WriteEvent(path, 1, entry);
    EXPECT_EQ(Read(), without);

    // Another action has no use for them, whatever the entry holds.
    entry.action.culprit = true;
    entry.event.action = 4;
    WriteEvent(path, 1, entry);
    EXPECT_EQ(Read().find("culprit"), std::string::npos);

    // Hand-written values read as every truth value of the file does.
    Write("[main]\ncount=3\n[action1]\nculprit=abc\nnotify=-1\n[action2]\nculprit=0\n");
    const std::vector<EventEntry> events = ReadEvents(LoadProfile(path), EventDefaults::Monitor);
    EXPECT_FALSE(events[0].action.culprit);
    EXPECT_TRUE(events[0].action.notify);
    EXPECT_FALSE(events[1].action.culprit);
    EXPECT_FALSE(events[2].action.culprit || events[2].action.notify);
}

std::string FiveEvents() {
    std::string text = "[main]\r\ncount=5\r\n";
    for (int n = 1; n <= 4; ++n) {
        text += "[event" + std::to_string(n) + "]\r\nname=E" + std::to_string(n) + "\r\n[action" +
                std::to_string(n) + "]\r\nline1=see [event5] and [action5]\r\n";
    }
    return text + " [Event5] \r\nname=E5\r\n[ACTION5]\r\nline1=mind [event5]\r\n";
}

TEST_F(EventsFile, DeletingMovesTheLastEventIntoTheGapByItsHeadersOnly) {
    Write(FiveEvents());
    DeleteEvent(path, 2);
    EXPECT_EQ(Read(),
              "[main]\r\ncount=4\r\n"
              "[event1]\r\nname=E1\r\n[action1]\r\nline1=see [event5] and [action5]\r\n"
              "[event3]\r\nname=E3\r\n[action3]\r\nline1=see [event5] and [action5]\r\n"
              "[event4]\r\nname=E4\r\n[action4]\r\nline1=see [event5] and [action5]\r\n"
              "[event2]\r\nname=E5\r\n[action2]\r\nline1=mind [event5]\r\n");
    const std::vector<EventEntry> events = ReadEvents(LoadProfile(path), EventDefaults::Editor);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1].event.name, "E5");
    EXPECT_EQ(events[2].event.name, "E3");
}

TEST_F(EventsFile, DeletingTheLastOrAMissingEvent) {
    Write(FiveEvents());
    DeleteEvent(path, 0);
    DeleteEvent(path, 6);
    EXPECT_EQ(Read(), FiveEvents());

    DeleteEvent(path, 5);
    std::string expected = FiveEvents();
    expected.erase(expected.find(" [Event5]"));
    expected.replace(expected.find("count=5"), 7, "count=4");
    EXPECT_EQ(Read(), expected);

    // A stray second copy of the deleted section does not come back as that event.
    Write("[main]\ncount=2\n[event1]\nname=A\n[event2]\nname=B\n[event1]\nname=stale\n");
    DeleteEvent(path, 1);
    EXPECT_EQ(Read(), "[main]\ncount=1\n[event1]\nname=B\n");
}

}  // namespace
}  // namespace tarnwick
