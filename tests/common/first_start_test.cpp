#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "common/first_start.h"
#include "common/links.h"
#include "platform/files.h"
#include "platform/process.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

constexpr char kSystemSettings[] =
    "[main]\ninfo=1\n[skins]\nactive=/usr/share/tarnwick/skins/ember/ember.skin\n"
    "[indicator2]\ntype=5\n";

// A system folder with tarnwick/tarnwick.cfg and a user's data folder, both empty at first.
class FirstStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::MakeDirectory(system()));
        ASSERT_TRUE(platform::MakeDirectory(system() + "/tarnwick"));
        ASSERT_TRUE(platform::MakeDirectory(data()));
    }
    std::string system() const { return temp_.file("xdg"); }
    std::string systemFile() const { return system() + "/tarnwick/tarnwick.cfg"; }
    std::string data() const { return temp_.file("data"); }
    std::string userFile() const { return data() + "/tarnwick.cfg"; }
    bool Copy() { return CopySystemSettings(systemFile(), data() + "/"); }

    TempFolder temp_;
};

TEST_F(FirstStartTest, CopiesTheSystemFileOnceAndNeverAgain) {
    TempFolder::Write(systemFile(), kSystemSettings);
    EXPECT_TRUE(Copy());
    EXPECT_EQ(TempFolder::Read(userFile()), kSystemSettings);

    // The user changes something; a later start with another system file leaves it alone.
    TempFolder::Write(userFile(), "[main]\ninfo=0\n");
    TempFolder::Write(systemFile(), "[main]\nmode=1\n");
    EXPECT_FALSE(Copy());
    EXPECT_EQ(TempFolder::Read(userFile()), "[main]\ninfo=0\n");
}

TEST_F(FirstStartTest, WhateverStandsInTheUsersPlaceIsKept) {
    TempFolder::Write(systemFile(), kSystemSettings);
    // An empty file is the user's too: the programs read it as all defaults.
    TempFolder::Write(userFile(), "");
    EXPECT_FALSE(Copy());
    EXPECT_EQ(TempFolder::Read(userFile()), "");
    platform::RemoveFile(userFile());

    ASSERT_EQ(symlink((data() + "/elsewhere.cfg").c_str(), userFile().c_str()), 0);  // dangling
    EXPECT_FALSE(Copy());
    EXPECT_FALSE(platform::IsRegularFile(data() + "/elsewhere.cfg"));
    platform::RemoveFile(userFile());

    ASSERT_TRUE(platform::MakeDirectory(userFile()));
    EXPECT_FALSE(Copy());
    EXPECT_TRUE(platform::IsDirectory(userFile()));
}

TEST_F(FirstStartTest, SystemFilesThatAreNoSettingsAreNotCopied) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"no known section", "[desktop]\nwallpaper=blue\n"},
        {"binary", std::string("[main]\ninfo=1\n\0\x7f"
                               "ELF",
                               19)},
        {"plain text", "this is not a settings file\n"},
        {"too big", "[main]\n" + std::string(kMaxSystemSettingsBytes, ';')},
    };
    for (const auto& c : cases) {
        TempFolder::Write(systemFile(), c.bytes);
        EXPECT_FALSE(Copy()) << c.what;
        EXPECT_FALSE(platform::IsRegularFile(userFile())) << c.what;
    }
}

TEST_F(FirstStartTest, NothingHappensWithoutADataFolderOrASystemFile) {
    TempFolder::Write(systemFile(), kSystemSettings);
    // The data folder's place taken by a file: that file stays as it is.
    const std::string blocked = temp_.file("blocked");
    TempFolder::Write(blocked, "mine");
    EXPECT_FALSE(CopySystemSettings(systemFile(), blocked + "/"));
    EXPECT_EQ(TempFolder::Read(blocked), "mine");

    EXPECT_FALSE(CopySystemSettings(systemFile(), temp_.file("missing") + "/"));
    EXPECT_FALSE(CopySystemSettings("", data() + "/"));
    EXPECT_FALSE(CopySystemSettings(system() + "/tarnwick", data() + "/"));  // a folder
    EXPECT_FALSE(platform::IsRegularFile(userFile()));
}

TEST_F(FirstStartTest, AReadOnlyDataFolderStaysEmpty) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    TempFolder::Write(systemFile(), kSystemSettings);
    ASSERT_EQ(chmod(data().c_str(), 0500), 0);
    EXPECT_FALSE(Copy());
    chmod(data().c_str(), 0700);
    EXPECT_FALSE(platform::IsRegularFile(userFile()));
}

TEST_F(FirstStartTest, TheFirstConfigFolderThatHasTheFileWins) {
    const std::string other = temp_.file("other");
    ASSERT_TRUE(platform::MakeDirectory(other));
    ASSERT_TRUE(platform::MakeDirectory(other + "/tarnwick"));
    TempFolder::Write(other + "/tarnwick/tarnwick.cfg", kSystemSettings);

    EXPECT_EQ(FindSystemSettingsFile(temp_.file("none") + ":relative/xdg:" + other + "/"),
              other + "/tarnwick/tarnwick.cfg");
    TempFolder::Write(systemFile(), kSystemSettings);
    EXPECT_EQ(FindSystemSettingsFile("::" + system() + ":" + other), systemFile());
    EXPECT_EQ(FindSystemSettingsFile("relative/xdg:" + temp_.file("none")), "");
}

// The shipped files: beside the programs in a build, under share/tarnwick/ when installed.
TEST(ShippedFolderTest, BuildFolderFirstThenTheInstalledLayout) {
    TempFolder temp;
    const std::string build = temp.file("build") + "/";
    const std::string prefix = temp.file("usr") + "/";
    for (const std::string& folder :
         {build, build + "skins", prefix, prefix + "bin", prefix + "share",
          prefix + "share/tarnwick", prefix + "share/tarnwick/skins"}) {
        ASSERT_TRUE(platform::MakeDirectory(folder));
    }
    EXPECT_EQ(platform::ShippedFolderOf(build), build);
    EXPECT_EQ(platform::ShippedFolderOf(prefix + "bin/"), prefix + "share/tarnwick/");
    // Neither: the program folder, as before there was an installed layout.
    EXPECT_EQ(platform::ShippedFolderOf(prefix + "share/tarnwick/skins/"),
              prefix + "share/tarnwick/skins/");
    EXPECT_EQ(platform::ShippedFolderOf(""), "");
}

class SiteLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::MakeDirectory(temp_.file("manual")));
        ASSERT_TRUE(platform::MakeDirectory(temp_.file("manual/tarnwick")));
        for (const char* page : {"index.html", "helpmain.html", "config5.html"}) {
            TempFolder::Write(temp_.file("manual/tarnwick/") + page, "<html></html>");
        }
    }
    QString Page(const std::string& name) const {
        return QStringLiteral("file://") +
               QString::fromStdString(temp_.file("manual/tarnwick/") + name);
    }
    std::string shipped() const { return temp_.path() + "/"; }

    TempFolder temp_;
};

TEST_F(SiteLinkTest, WithoutASiteTheManualPageOfThePath) {
    const struct {
        const char* path;
        const char* page;
    } cases[] = {
        {"/tarnwick/helpmain.php", "helpmain.html"},
        {"/tarnwick/", "index.html"},
        {"/tarnwick/config5.php", "config5.html"},
        {"/tarnwick/config5.php?from=settings", "config5.html"},
        // Pages the manual lacks land on its contents, never outside the manual.
        {"/tarnwick/skinseditor9.php", "index.html"},
        {"/index.php?from=tarnwick", "index.html"},
        {"/pastefold.zip", "index.html"},
        {"/tarnwick/../../etc/passwd", "index.html"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SiteLink(c.path, "", shipped()), Page(c.page)) << c.path;
    }
    EXPECT_EQ(SiteLink(SettingsHelpPath(5), "", shipped()), Page("config5.html"));
}

TEST_F(SiteLinkTest, ANamedSiteTakesThePathAsItIs) {
    EXPECT_EQ(SiteLink(SkinEditorHelpPath(3), "https://tarnwick.example", shipped()),
              QStringLiteral("https://tarnwick.example/tarnwick/skinseditor3.php"));
    EXPECT_EQ(SiteLink(kClipboardManagerPath, "https://a.example", ""),
              QStringLiteral("https://a.example/index.php?from=tarnwick"));
}

TEST_F(SiteLinkTest, NoManualNoLink) {
    EXPECT_EQ(SiteLink(kManualPath, "", temp_.file("manual/tarnwick/")), QString());
    EXPECT_EQ(SiteLink(kManualPath, "", ""), QString());
}

TEST_F(SiteLinkTest, APathWithBlanksBecomesAValidFileUrl) {
    TempFolder temp;
    const std::string shippedFolder = temp.file("my programs") + "/";
    ASSERT_TRUE(platform::MakeDirectory(temp.file("my programs")));
    ASSERT_TRUE(platform::MakeDirectory(shippedFolder + "manual"));
    ASSERT_TRUE(platform::MakeDirectory(shippedFolder + "manual/tarnwick"));
    TempFolder::Write(shippedFolder + "manual/tarnwick/index.html", "");
    const QString link = SiteLink(kProductPagePath, "", shippedFolder);
    EXPECT_TRUE(link.contains(QStringLiteral("my%20programs/manual/tarnwick/index.html")));
}

}  // namespace
}  // namespace tarnwick
