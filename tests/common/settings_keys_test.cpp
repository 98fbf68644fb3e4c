// The settings file's key table: how each reader fits the numbers it finds.
#include "common/settings_keys.h"

#include <gtest/gtest.h>

#include "common/profile.h"

namespace tarnwick {
namespace {

TEST(SettingKeys, EachFitKeepsANumberWhereItsReaderWantsIt) {
    const struct {
        Reading reading;
        std::int32_t number;
        std::int32_t read;
    } rows[] = {
        {{8, Fit::Clamp, 1, 64}, 0, 1},
        {{8, Fit::Clamp, 1, 64}, 100, 64},
        {{8, Fit::Clamp, 1, 64}, 30, 30},
        {{1, Fit::ByteThenClamp, 1, 16}, 257, 1},  // the low byte is 1
        {{1, Fit::ByteThenClamp, 1, 16}, 17, 16},
        {{1, Fit::ByteThenClamp, 1, 16}, -3, 16},  // 253 in a byte
        {{2, Fit::ElseDefault, 1, 2}, 257, 2},
        {{2, Fit::ElseDefault, 1, 2}, 1, 1},
        {{2, Fit::ByteElseDefault, 1, 2}, 257, 1},
        {{2, Fit::ByteElseDefault, 1, 2}, 3, 2},
        {{0, Fit::AboveIsOne, 0, 4}, 9, 1},
        {{0, Fit::AboveIsOne, 0, 4}, -2, 0},
        {{0, Fit::AboveIsOne, 0, 4}, 3, 3},
        {{1000, Fit::AsRead, 0, 0}, -50, -50},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Fitted(row.number, row.reading), row.read)
            << static_cast<int>(row.reading.fit) << " " << row.number;
    }
}

TEST(SettingKeys, TheTwoProgramsReadOneFileEachWithItsOwnDefaultsAndClamps) {
    const ProfileText file =
        ProfileText::Parse("[main]\nsnapvalue=100\nonecopy=word\n[indicator2]\ntime=50\n");
    EXPECT_EQ(Read(file, setting::kSnapValue, Program::Monitor), 64);
    EXPECT_EQ(Read(file, setting::kSnapValue, Program::SettingsProgram), 50);
    EXPECT_TRUE(Read(file, setting::kOneCopy, Program::Monitor));  // no number: the default
    EXPECT_FALSE(Read(file, setting::kOneCopy, Program::SettingsProgram));
    EXPECT_FALSE(Read(file, setting::kOneCopyAtStart, Program::Monitor));
    EXPECT_EQ(Read(file, setting::kTime[1], Program::Monitor), 100);
    EXPECT_EQ(Read(file, setting::kType[2], Program::Monitor), 1);
    EXPECT_EQ(Read(file, setting::kType[2], Program::SettingsProgram), 11);
    EXPECT_FALSE(Reads(Program::SettingsProgram, setting::kX.owner));
    EXPECT_TRUE(Reads(Program::Monitor, setting::kInfoShow.owner));
}

}  // namespace
}  // namespace tarnwick
