// The settings file as each program reads it, and the two batches they write.
#include "common/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/config.h"
#include "common/datafolder.h"
#include "common/errors.h"
#include "common/profile_file.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

Settings Monitor(const std::string& text) {
    return ReadMonitorSettings(ProfileText::Parse(text));
}
Settings Program(const std::string& text) {
    return ReadSettingsProgramSettings(ProfileText::Parse(text));
}

TEST(SettingsDefaults, AnEmptyFileInTheMonitor) {
    const Settings s = Monitor("");
    EXPECT_EQ(s.mode, 2);
    EXPECT_TRUE(s.onecopy);
    EXPECT_TRUE(s.popup);
    EXPECT_TRUE(s.snap);
    EXPECT_EQ(s.snapvalue, 8);
    EXPECT_EQ(s.transparent, 0);
    EXPECT_EQ(s.x, 100);
    EXPECT_EQ(s.y, 100);
    EXPECT_EQ(s.icons, 0);
    EXPECT_TRUE(s.visible);
    EXPECT_EQ(s.skinpath, "");
    for (const IndicatorSettings& indicator : s.indicators) {
        EXPECT_EQ(indicator.type, 1);
        EXPECT_EQ(indicator.time, 500);
        EXPECT_TRUE(indicator.visible);
    }
}

TEST(SettingsDefaults, AnEmptyFileInTheSettingsProgram) {
    const Settings s = Program("");
    EXPECT_FALSE(s.onecopy);
    EXPECT_EQ(s.indicators[1].type, 7);
    EXPECT_EQ(s.indicators[1].time, 1000);
    EXPECT_EQ(s.indicators[2].type, 11);
    EXPECT_EQ(s.indicators[2].time, 2000);
    EXPECT_FALSE(s.indicators[2].visible);
}

TEST(SettingsClamps, TransparencySnapAndIntervals) {
    EXPECT_EQ(Monitor("[main]\ntransparent=35").transparent, 35);
    EXPECT_EQ(OpacityForTransparency(35), 166);
    EXPECT_EQ(OpacityForTransparency(30), 178);
    EXPECT_EQ(OpacityForTransparency(10), 230);
    EXPECT_EQ(OpacityForTransparency(90), 26);
    EXPECT_EQ(Monitor("[main]\ntransparent=-5").transparent, 0);
    EXPECT_EQ(Program("[main]\ntransparent=95").transparent, 90);
    EXPECT_EQ(Monitor("[main]\nsnapvalue=0").snapvalue, 1);
    EXPECT_EQ(Monitor("[main]\nsnapvalue=100").snapvalue, 64);
    EXPECT_EQ(Program("[main]\nsnapvalue=100").snapvalue, 50);
    EXPECT_EQ(Program("[main]\nsnapvalue=0").snapvalue, 1);
    EXPECT_EQ(Monitor("[indicator1]\ntime=50").indicators[0].time, 100);
    EXPECT_EQ(Monitor("[indicator2]\ntime=60000").indicators[1].time, 30000);
    EXPECT_EQ(Monitor("[indicator3]\ntime=750").indicators[2].time, 750);
    EXPECT_EQ(Monitor("[main]\niconstime=1").iconstime, 100);
    // The hint delays are the settings program's to clamp; the monitor takes them as they are.
    EXPECT_EQ(Monitor("[main]\ninfoshow=50").infoshow, 50);
    EXPECT_EQ(Program("[main]\ninfoshow=50\ninfohide=99999").infoshow, 100);
    EXPECT_EQ(Program("[main]\ninfohide=99999").infohide, 30000);
}

TEST(SettingsClamps, MeasureNumbersModeAndIcons) {
    EXPECT_EQ(Monitor("[indicator1]\ntype=0").indicators[0].type, 1);
    EXPECT_EQ(Monitor("[indicator1]\ntype=17").indicators[0].type, 16);
    EXPECT_EQ(Monitor("[indicator1]\ntype=257").indicators[0].type, 1);  // low 8 bits
    EXPECT_EQ(Program("[indicator1]\ntype=257").indicators[0].type, 16);
    EXPECT_EQ(Program("[indicator1]\ntype=-3").indicators[0].type, 1);
    EXPECT_EQ(Monitor("[main]\nmode=3").mode, 2);
    EXPECT_EQ(Monitor("[main]\nmode=257").mode, 1);  // low 8 bits
    EXPECT_EQ(Program("[main]\nmode=257").mode, 2);
}

TEST(SettingsClamps, TrayIconChoiceInBothPrograms) {
    // The monitor shows the processor for anything above 4; the settings program ticks none.
    struct Case {
        const char* value;
        int monitor;
        int program;
    };
    for (const Case& c : {Case{"0", 0, 0},
                          {"1", 1, 1},
                          {"3", 3, 3},
                          {"4", 4, 4},
                          {"5", 1, 0},
                          {"9", 1, 0},
                          {"-1", 0, 0},
                          {"256", 1, 0}}) {
        const std::string text = std::string("[main]\nicons=") + c.value;
        EXPECT_EQ(Monitor(text).icons, c.monitor) << c.value;
        EXPECT_EQ(Program(text).icons, c.program) << c.value;
    }
}

TEST(SettingsWindow, WithoutATrayIconTheWindowIsAlwaysShown) {
    EXPECT_TRUE(Monitor("[main]\nicons=0\nvisible=0").visible);
    EXPECT_TRUE(Monitor("[main]\nicons=-2\nvisible=0").visible);
    EXPECT_FALSE(Monitor("[main]\nicons=2\nvisible=0").visible);
}

TEST(SettingsEncodings, TruthValuesAsIntegers) {
    EXPECT_TRUE(Monitor("[main]\nonecopy=0x1").onecopy);
    EXPECT_TRUE(Monitor("[main]\nonecopy=yes").onecopy);   // the monitor's default
    EXPECT_FALSE(Program("[main]\nonecopy=yes").onecopy);  // the program's default
    EXPECT_TRUE(Program("[skins]\nrandom=-1").random);
}

TEST(SettingsBatches, CloseTimeBatchInANewFileAndWhatItLeavesAlone) {
    Settings s = Monitor("");
    s.x = -20;
    s.active = "/home/u/skins/a.skin";
    ProfileText file = ProfileText::Parse("[main]\nsnapvalue=20\n[indicator1]\ntime=2000\n");
    WriteCloseTimeSettings(file, s);
    EXPECT_EQ(file.Serialize(),
              "[main]\nsnapvalue=20\nmode=2\nonecopy=1\ninfo=0\nlowprior=0\nvisible=1\nautorun=0\n"
              "x=-20\ny=100\npopup=1\nbolt=0\nsnap=1\ntransparent=0\nicons=0\n"
              "[indicator1]\ntime=2000\ntype=1\nvisible=1\n"
              "[skins]\nrandom=0\nactive=/home/u/skins/a.skin\n"
              "[indicator2]\ntype=1\nvisible=1\n[indicator3]\ntype=1\nvisible=1\n");
}

TEST(SettingsBatches, TheSettingsProgramWritesEveryKeyItKnows) {
    Settings s = Program("");
    s.mode = 1;
    ProfileText file;
    WriteAllSettings(file, s, /*hasSkins=*/false);
    EXPECT_EQ(file.Keys("main"),
              (std::vector<std::string>{"popup", "snap", "snapvalue", "transparent", "mode", "bolt",
                                        "info", "infoshow", "infohide", "onecopy", "autorun",
                                        "icons", "iconstime", "lowprior"}));
    EXPECT_EQ(file.Keys("skins"), (std::vector<std::string>{"skinpath", "random"}));
    EXPECT_EQ(file.Keys("indicator3"), (std::vector<std::string>{"type", "time", "visible"}));
    EXPECT_EQ(file.Get("main", "mode"), "1");
    WriteAllSettings(file, s, /*hasSkins=*/true);
    EXPECT_EQ(file.Get("skins", "active"), "");
    // What the settings program wrote reads back the same in both programs.
    EXPECT_EQ(ReadSettingsProgramSettings(file).indicators[2].type, 11);
    EXPECT_EQ(ReadMonitorSettings(file).indicators[1].time, 1000);
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
    TempFolder dir_;
};

TEST_F(DataFolderTest, FolderAndFilePathsFollowTheConfigHome) {
    EXPECT_EQ(GetDataFolder(), dir_.path() + "/tarnwick/");
    EXPECT_EQ(SettingsFilePath(), dir_.path() + "/tarnwick/tarnwick.cfg");
    EXPECT_EQ(EventsFilePath(), dir_.path() + "/tarnwick/events.cfg");
    setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(GetDataFolder(), "/home/someone/.config/tarnwick/");
}

TEST_F(DataFolderTest, EnsureReplacesAPlainFileAndWritersUseTheFolder) {
    TempFolder::Write(dir_.file("tarnwick"), "in the way");
    EXPECT_THROW(WriteConfigInteger(SettingsFilePath(), "main", "mode", 1), WriteError);
    EnsureDataFolder();
    EXPECT_TRUE(platform::IsDirectory(dir_.file("tarnwick")));
    WriteConfigInteger(SettingsFilePath(), "main", "mode", 1);
    WriteConfigBool(SettingsFilePath(), "main", "snap", false);
    WriteConfigString(SettingsFilePath(), "skins", "skinpath", "/opt/skins/");
    const Settings s = ReadMonitorSettings(LoadProfile(SettingsFilePath()));
    EXPECT_EQ(s.mode, 1);
    EXPECT_FALSE(s.snap);
    EXPECT_EQ(s.skinpath, "/opt/skins/");
    EnsureDataFolder();  // an existing folder is left as it is
    EXPECT_EQ(LoadProfile(SettingsFilePath()).Get("main", "mode"), "1");
}

TEST_F(DataFolderTest, SaveOptLandsAsOneReplace) {
    EnsureDataFolder();
    Settings s = Monitor("");
    s.transparent = 30;
    SaveOpt(SettingsFilePath(), s);
    SaveOptions(SettingsFilePath(), Program(""), true);
    const Settings back = ReadMonitorSettings(LoadProfile(SettingsFilePath()));
    EXPECT_EQ(back.transparent, 0);  // the settings program's batch wrote over it
    EXPECT_EQ(back.x, 100);          // which it never writes
}

}  // namespace
}  // namespace tarnwick
