// How a profile file reads and how edits change it, on texts in memory.
#include "common/profile.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick {
namespace {

std::string Edited(const std::string& text, void (*edit)(ProfileText&)) {
    ProfileText file = ProfileText::Parse(text);
    edit(file);
    return file.Serialize();
}

TEST(ProfileRead, NamesMatchWithoutCaseAndBlanks) {
    const ProfileText file = ProfileText::Parse("[ Main ]\n  Mode = 1 \n[skins]\nActive=a.skin\n");
    EXPECT_EQ(file.Get("MAIN", "MODE"), "1");
    EXPECT_EQ(file.Get("Skins", "active"), "a.skin");
    EXPECT_EQ(file.Get("main", "active"), std::nullopt);
    EXPECT_EQ(file.Get("nosection", "mode"), std::nullopt);
}

TEST(ProfileRead, FirstSectionAndFirstKeyWin) {
    const ProfileText file =
        ProfileText::Parse("[main]\nx=1\nx=2\n[other]\ny=1\n[MAIN]\nx=3\nz=4\n");
    EXPECT_EQ(file.Get("main", "x"), "1");
    EXPECT_EQ(file.Get("main", "z"), std::nullopt);  // in the ignored duplicate section
    EXPECT_EQ(file.Sections(), (std::vector<std::string>{"main", "other"}));
    EXPECT_EQ(file.Keys("main"), (std::vector<std::string>{"x"}));
}

TEST(ProfileRead, ValuesLoseBlanksAndOnePairOfQuotes) {
    const ProfileText file = ProfileText::Parse(
        "[s]\na=  spaced  \nb=\"quoted\"\nc='single'\nd=\"mixed'\ne=\"\"\nf=\ng=\"\"x\"\"\nh=\"\n");
    EXPECT_EQ(file.Get("s", "a"), "spaced");
    EXPECT_EQ(file.Get("s", "b"), "quoted");
    EXPECT_EQ(file.Get("s", "c"), "single");
    EXPECT_EQ(file.Get("s", "d"), "\"mixed'");
    EXPECT_EQ(file.Get("s", "e"), "");  // empty, not missing
    EXPECT_EQ(file.Get("s", "f"), "");
    EXPECT_EQ(file.Get("s", "g"), "\"x\"");
    EXPECT_EQ(file.Get("s", "h"), "\"");
}

TEST(ProfileRead, CommentsAndLinesWithoutEqualsHoldNoKey) {
    const ProfileText file =
        ProfileText::Parse("[s]\n;a=1\n  ; b=2\nloose line\n#c=3\n=nokey\nd=x=y\n[broken\ne=5\n");
    EXPECT_EQ(file.Get("s", "a"), std::nullopt);
    EXPECT_EQ(file.Get("s", "b"), std::nullopt);
    EXPECT_EQ(file.Get("s", "#c"), "3");  // "#" starts an ordinary key
    EXPECT_EQ(file.Get("s", "d"), "x=y");
    EXPECT_EQ(file.Get("s", "e"), "5");  // a header without "]" does not open a section
    EXPECT_EQ(file.Keys("s"), (std::vector<std::string>{"#c", "d", "e"}));
}

TEST(ProfileRead, ASectionNameRunsToTheLastBracket) {
    ProfileText file = ProfileText::Parse("[a]b]\nk=1\n[c] ]\nk=2\n");
    EXPECT_EQ(file.Get("a]b", "k"), "1");
    EXPECT_EQ(file.Get("a", "k"), std::nullopt);
    EXPECT_EQ(file.Get("c]", "k"), "2");
    EXPECT_EQ(file.Sections(), (std::vector<std::string>{"a]b", "c]"}));
    // A write finds the same section instead of adding another.
    WriteString(file, "a]b", "j", "3");
    EXPECT_EQ(file.Serialize(), "[a]b]\nk=1\nj=3\n[c] ]\nk=2\n");
}

TEST(ProfileRead, LineEndsAndByteOrderMark) {
    for (const char* text : {"[s]\nk=v\n", "[s]\r\nk=v\r\n", "[s]\rk=v\r", "\xEF\xBB\xBF[s]\nk=v",
                             "[s]\r\nj=1\rk=v\n"}) {
        EXPECT_EQ(ProfileText::Parse(text).Get("s", "k"), "v") << text;
    }
}

TEST(ProfileRead, LongValuesAreCutAtTheReadLimit) {
    const std::string longValue(100000, 'x');
    const ProfileText file = ProfileText::Parse("[s]\nk=" + longValue + "\n");
    EXPECT_EQ(file.Get("s", "k")->size(), ProfileText::kMaxValueLength);
    // A cut never splits a character of two bytes.
    const std::string cyrillic = std::string(2046, 'a') + "\xD0\xB6";
    EXPECT_EQ(ProfileText::Parse("[s]\nk=" + cyrillic).Get("s", "k"), std::string(2046, 'a'));
}

TEST(ProfileRead, TypedReadsFallBackOnlyWhenTheyMust) {
    const ProfileText file = ProfileText::Parse(
        "[s]\nempty=\nword=yes\nhex=0x1F\ndollar=$10\nbig=4294967296\nneg=-3\nquoted=\"7\"\n");
    EXPECT_EQ(ReadString(file, "s", "empty", "def"), "");
    EXPECT_EQ(ReadString(file, "s", "missing", "def"), "def");
    EXPECT_EQ(ReadInteger(file, "s", "empty", 5), 5);
    EXPECT_EQ(ReadInteger(file, "s", "word", 5), 5);
    EXPECT_EQ(ReadInteger(file, "s", "hex", 5), 31);
    EXPECT_EQ(ReadInteger(file, "s", "dollar", 5), 16);
    EXPECT_EQ(ReadInteger(file, "s", "big", 5), 5);
    EXPECT_EQ(ReadInteger(file, "s", "neg", 5), -3);
    EXPECT_EQ(ReadInteger(file, "s", "quoted", 5), 7);
    EXPECT_TRUE(ReadBool(file, "s", "neg", false));
    EXPECT_TRUE(ReadBool(file, "s", "word", true));
    EXPECT_FALSE(ReadBool(file, "s", "word", false));
}

TEST(ProfileWrite, ReplacesInPlaceKeepingTheRestOfTheLine) {
    EXPECT_EQ(Edited("[Main]\r\n  Mode = 1 \r\nx=5\r\n",
                     [](ProfileText& f) { WriteInteger(f, "main", "MODE", 2); }),
              "[Main]\r\n  Mode = 2\r\nx=5\r\n");
}

TEST(ProfileWrite, AppendsAtTheEndOfItsSection) {
    EXPECT_EQ(
        Edited("[a]\nx=1\n\n[b]\ny=2\n", [](ProfileText& f) { WriteString(f, "a", "z", "3"); }),
        "[a]\nx=1\nz=3\n\n[b]\ny=2\n");
    EXPECT_EQ(Edited("[a]\nx=1", [](ProfileText& f) { WriteString(f, "a", "z", "3"); }),
              "[a]\nx=1\nz=3\n");
}

TEST(ProfileWrite, CreatesTheSectionAtTheEndInTheFilesLineEnds) {
    EXPECT_EQ(Edited("", [](ProfileText& f) { WriteBool(f, "main", "popup", true); }),
              "[main]\npopup=1\n");
    EXPECT_EQ(
        Edited("; settings\r\n[a]\r\nx=1", [](ProfileText& f) { WriteBool(f, "b", "y", false); }),
        "; settings\r\n[a]\r\nx=1\r\n[b]\r\ny=0\r\n");
    // Mixed ends: the first line's wins, the lines already there keep theirs.
    EXPECT_EQ(Edited("[a]\r\nx=1\n", [](ProfileText& f) { WriteString(f, "a", "z", "3"); }),
              "[a]\r\nx=1\nz=3\r\n");
    EXPECT_EQ(
        Edited("\xEF\xBB\xBF[a]\rx=1\r", [](ProfileText& f) { WriteString(f, "a", "y", ""); }),
        "\xEF\xBB\xBF[a]\rx=1\ry=\r");
}

TEST(ProfileWrite, NewLinesTakeTheFirstLineEndWhenTheFileMixesThem) {
    EXPECT_EQ(Edited("[a]\r\nx=1\n",
                     [](ProfileText& f) {
                         WriteString(f, "a", "z", "3");
                         WriteBool(f, "b", "y", false);
                     }),
              "[a]\r\nx=1\nz=3\r\n[b]\r\ny=0\r\n");
    EXPECT_EQ(
        Edited("[a]\nx=1\r\n[b]\r\ny=2", [](ProfileText& f) { WriteString(f, "b", "z", "3"); }),
        "[a]\nx=1\r\n[b]\r\ny=2\nz=3\n");
}

TEST(ProfileWrite, KeepsEveryOtherLineByteForByte) {
    const std::string text =
        "junk without equals\r\n[s]\n\tk = old ; not a comment\r; "
        "c=1\n[S]\nk=dup\r\n\x01\x02\xff=\xfe\n";
    const std::string edited =
        Edited(text, [](ProfileText& f) { WriteString(f, "s", "k", "new"); });
    EXPECT_EQ(edited,
              "junk without equals\r\n[s]\n\tk = new\r; c=1\n[S]\nk=dup\r\n\x01\x02\xff=\xfe\n");
}

TEST(ProfileWrite, ALineBreakInAValueCannotAddKeys) {
    ProfileText file;
    WriteString(file, "s", "k", "a\r\n[evil]\nx=1");
    EXPECT_EQ(file.Sections(), std::vector<std::string>{"s"});
    EXPECT_EQ(file.Get("s", "k"), "a  [evil] x=1");
}

TEST(ProfileWrite, RemovesKeysAndErasesWholeSections) {
    ProfileText file = ProfileText::Parse("[a]\nx=1\ny=2\n[event2]\nname=n\n;c\n[action2]\nk=v\n");
    EXPECT_TRUE(file.RemoveKey("A", "X"));
    EXPECT_FALSE(file.RemoveKey("a", "x"));
    EXPECT_TRUE(file.EraseSection("EVENT2"));
    EXPECT_FALSE(file.EraseSection("event2"));
    EXPECT_EQ(file.Serialize(), "[a]\ny=2\n[action2]\nk=v\n");
    // The index of sections follows the edits.
    WriteString(file, "action2", "z", "1");
    EXPECT_EQ(file.Get("action2", "z"), "1");
    EXPECT_EQ(file.Get("action2", "k"), "v");
}

TEST(ProfileBadInput, GarbageParsesAndStillTakesAWrite) {
    std::string garbage;
    for (int i = 0; i < 100000; ++i) {
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    }
    ProfileText file = ProfileText::Parse(garbage);
    WriteString(file, "zzz-new", "k", "v");
    const std::string out = file.Serialize();
    EXPECT_EQ(out.substr(0, garbage.size()), garbage);
    EXPECT_EQ(ProfileText::Parse(out).Get("zzz-new", "k"), "v");
}

}  // namespace
}  // namespace tarnwick
