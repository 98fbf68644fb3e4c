// The editor's logic without its window: the checks of "Apply", the conversion of the
// controls and the round trip through the events file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <functional>
#include <ostream>

#include "common/errors.h"
#include "common/events_file.h"
#include "common/profile_file.h"
#include "settings/events/check_opt.h"
#include "settings/events/event_record.h"
#include "tests/support/temp_folder.h"

namespace tarnwick::cfg {
namespace {

using testing::TempFolder;

// A form that passes every check for the given action.
EventForm Valid(int action) {
    EventForm form = CleanedForm(0);
    form.name = QStringLiteral("Load");
    form.value = QStringLiteral("90");
    form.hour = QStringLiteral("0");
    form.min = QStringLiteral("5");
    form.sec = QStringLiteral("0");
    form.action = action;
    form.loopHour = form.loopMin = form.loopSec = QStringLiteral("1");
    form.exec = QStringLiteral("/bin/sh");
    form.doc = QStringLiteral("/etc/hostname");
    form.folder = QStringLiteral("/no/such/folder");
    return form;
}

struct CheckCase {
    const char* what;
    int action;
    std::function<void(EventForm&)> change;
    const char* message;  // nullptr: passes
};

// The case's words in test listings and failures, instead of its bytes.
void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.what;
}

class CheckOptTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckOptTable, FirstFailingCheckGivesItsMessage) {
    const CheckCase& c = GetParam();
    EventForm form = Valid(c.action);
    c.change(form);
    const std::optional<QString> failed = CheckOpt(form);
    if (c.message == nullptr) {
        EXPECT_FALSE(failed.has_value()) << failed.value_or(QString()).toStdString();
    } else {
        ASSERT_TRUE(failed.has_value());
        EXPECT_EQ(failed->toStdString(), c.message);
    }
}

const CheckCase kCheckCases[] = {
    {"zero time", 0, [](EventForm& f) { f.hour = f.min = f.sec = QStringLiteral("0"); }, nullptr},
    {"minus zero", 0, [](EventForm& f) { f.sec = QStringLiteral("-0"); }, nullptr},
    {"no name before a bad value", 0,
     [](EventForm& f) {
         f.name.clear();
         f.value = QStringLiteral("x");
     },
     "Specify the name of event!"},
    {"negative value", 0, [](EventForm& f) { f.value = QStringLiteral("-1"); },
     "Specify parameter value!"},
    {"blank in a time", 0, [](EventForm& f) { f.min = QStringLiteral(" 5"); },
     "Specify a correct time interval!"},
    {"page 0 ignores the message fields", 0, [](EventForm& f) { f.loopHour.clear(); }, nullptr},
    {"own text without text", 1,
     [](EventForm& f) {
         f.autotext = false;
         f.info.clear();
     },
     "Enter the message text!"},
    {"automatic text without text", 1, [](EventForm& f) { f.info.clear(); }, nullptr},
    {"sound off leaves the signal alone", 1, [](EventForm& f) { f.freq = QStringLiteral("x"); },
     nullptr},
    {"sound on checks the signal", 1,
     [](EventForm& f) {
         f.sound = true;
         f.pause = QStringLiteral("-5");
     },
     "Specify correct parameters of a signal!"},
    {"play time", 1, [](EventForm& f) { f.loopSec.clear(); }, "Specify a correct time interval!"},
    {"play count", 1,
     [](EventForm& f) {
         f.loop = LoopKind::Count;
         f.loopCount = QStringLiteral("many");
     },
     "Specify loop quantity!"},
    {"played permanently", 1,
     [](EventForm& f) {
         f.loop = LoopKind::Infinity;
         f.loopSec.clear();
     },
     nullptr},
    {"no program", 2, [](EventForm& f) { f.exec.clear(); }, "Specify an application file!"},
    {"missing program", 2, [](EventForm& f) { f.exec = QStringLiteral("/no/such/program"); },
     "Specify an existing application file!"},
    {"a folder is no program", 2, [](EventForm& f) { f.exec = QStringLiteral("/tmp"); },
     "Specify an existing application file!"},
    {"no document", 3, [](EventForm& f) { f.doc.clear(); }, "Specify the document!"},
    {"missing document", 3, [](EventForm& f) { f.doc = QStringLiteral("/no/such/file"); },
     "Specify the existing document!"},
    {"missing folder", 4, [](EventForm&) {}, nullptr},
    {"no folder", 4, [](EventForm& f) { f.folder.clear(); }, "Choose a folder!"},
    {"power actions have no parameters", 8, [](EventForm& f) { f.exec.clear(); }, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Editor, CheckOptTable, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c != '\0'; ++c) {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

TEST(CheckOpt, NumbersThatDoNotConvertThrowTheConversionError) {
    for (const char* text : {"+", "-", "2147483648", "99999999999"}) {
        EventForm form = Valid(0);
        form.value = QString::fromLatin1(text);
        try {
            CheckOpt(form);
            ADD_FAILURE() << text;
        } catch (const ConvertError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
    EventForm largest = Valid(0);
    largest.value = QStringLiteral("2147483647");
    EXPECT_FALSE(CheckOpt(largest).has_value());
}

class EventRecord : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file("events.cfg");
};

TEST_F(EventRecord, AMessageEventComesBackAsItWasSaved) {
    EventForm form = Valid(1);
    form.resource = 2;
    form.biglit = 1;
    form.measure = 1;
    form.execute = 2;
    form.active = true;
    form.autotext = false;
    form.info = QStringLiteral("first\n\nthird [event1]\n");  // the last break starts no line
    form.sound = true;
    form.freq = QStringLiteral("+440");
    form.loop = LoopKind::Count;
    form.loopCount = QStringLiteral("3");
    form.loopHour.clear();  // not used by a counted signal
    ASSERT_EQ(SaveEvent(path, 0, form), 1);

    const EventForm loaded = LoadEvent(path, 1);
    EXPECT_EQ(loaded.name, form.name);
    EXPECT_EQ(loaded.resource, 2);
    EXPECT_EQ(loaded.biglit, 1);
    EXPECT_EQ(loaded.measure, 1);
    EXPECT_EQ(loaded.execute, 2);
    EXPECT_TRUE(loaded.active);
    EXPECT_EQ(loaded.min, QStringLiteral("5"));
    EXPECT_FALSE(loaded.autotext);
    EXPECT_EQ(loaded.info, QStringLiteral("first\n\nthird [event1]"));
    EXPECT_TRUE(loaded.sound);
    EXPECT_EQ(loaded.freq, QStringLiteral("440"));
    EXPECT_EQ(loaded.loop, LoopKind::Count);
    EXPECT_EQ(loaded.loopCount, QStringLiteral("3"));
    EXPECT_TRUE(loaded.loopHour.isEmpty());
}

TEST_F(EventRecord, MinusZeroIsSavedAsZero) {
    EventForm form = Valid(0);
    form.hour = QStringLiteral("-0");
    SaveEvent(path, 0, form);
    EXPECT_EQ(LoadProfile(path).Get("event1", "hour"), "0");
}

TEST_F(EventRecord, ASignalFieldWithoutANumberStopsTheSaveEvenWithTheSoundOff) {
    TempFolder::Write(path, "[main]\ncount=1\n[event1]\nname=Old\n");
    EventForm form = Valid(1);
    form.name = QStringLiteral("New");
    form.time = QStringLiteral("long");
    ASSERT_FALSE(CheckOpt(form).has_value());
    EXPECT_THROW(SaveEvent(path, 1, form), ConvertError);
    EXPECT_THROW(SaveEvent(path, 0, form), ConvertError);
    EXPECT_EQ(TempFolder::Read(path), "[main]\ncount=1\n[event1]\nname=Old\n");
}

TEST_F(EventRecord, DamagedValuesLoadAsTheMonitorReadsThem) {
    TempFolder::Write(path,
                      "[main]\ncount=2147483647\n[event1]\nevent=9\nbiglit=7\nmeasure=-1\n"
                      "action=12\nexecute=5\nvalue=junk\n[action1]\nloop=Count\n");
    const EventForm form = LoadEvent(path, 1);
    EXPECT_EQ(form.resource, 3);
    EXPECT_EQ(form.biglit, 1);
    EXPECT_EQ(form.measure, 1);
    EXPECT_EQ(form.action, 0);  // the monitor does nothing for it
    EXPECT_EQ(form.execute, 2);
    EXPECT_EQ(form.value, QStringLiteral("1"));
    EXPECT_EQ(form.name, QStringLiteral("Event 1"));

    // A new event follows the last one listed; the absurd count is not carried on.
    const QStringList names = LoadEventsNames(path);
    const std::int32_t written = SaveEvent(path, 0, Valid(0));
    EXPECT_EQ(written, names.size());
    EXPECT_EQ(LoadEventsNames(path).size(), names.size() + 1);
}

// Permissions do not stop root, and CI runs as root: the write is tried as nobody.
int AsOrdinaryUser(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(100);
        }
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(EventRecord, AReadOnlyFileIsLeftAsItWas) {
    const std::string before = "[main]\ncount=1\n[event1]\nname=Old\n";
    TempFolder::Write(path, before);
    chmod(folder.path().c_str(), 0777);
    chmod(path.c_str(), 0444);
    const int result = AsOrdinaryUser([&] {
        try {
            SaveEvent(path, 1, Valid(1));
            return 1;
        } catch (const WriteError& error) {
            return std::string(error.what()) == "Unable to write to " + path ? 0 : 2;
        }
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TempFolder::Read(path), before);
}

}  // namespace
}  // namespace tarnwick::cfg
