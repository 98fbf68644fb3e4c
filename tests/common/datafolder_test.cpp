// Where the settings live when the user has no usual home for them, and what a crashed
// writer leaves in the data folder.
#include "common/datafolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>

#include <cstdlib>
#include <random>

#include "common/config.h"
#include "common/profile_file.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::RunInChild;
using testing::TempFolder;

// A user id without an entry in the password database, so without any home folder.
uid_t HomelessUser() {
    uid_t uid = 60000;
    while (getpwuid(uid) != nullptr) {
        ++uid;
    }
    return uid;
}

void RemoveFolder(const std::string& path) {
    QDir(QString::fromStdString(path)).removeRecursively();
}

TEST(DataFolderWithoutHome, IsAPrivateFolderOfTheUserAndNeverOneOfAnotherUser) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can act as a user without a home";
    }
    const uid_t uid = HomelessUser();
    const std::string own = "/tmp/tarnwick-" + std::to_string(uid);
    const auto asHomeless = [uid](const std::function<int()>& checks) {
        return RunInChild([&] {
            unsetenv("HOME");
            unsetenv("XDG_CONFIG_HOME");
            return setgid(uid) == 0 && setuid(uid) == 0 ? checks() : 100;
        });
    };
    RemoveFolder(own);
    EXPECT_EQ(asHomeless([&] {
                  if (GetDataFolder() != own + "/" || !EnsureDataFolder().empty()) {
                      return 1;
                  }
                  struct stat st {};
                  if (lstat(own.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
                      (st.st_mode & 0777) != 0700) {
                      return 2;
                  }
                  WriteConfigInteger(SettingsFilePath(), "main", "mode", 1);
                  return LoadProfile(own + "/tarnwick.cfg").Get("main", "mode") == "1" ? 0 : 3;
              }),
              0);
    RemoveFolder(own);

    // Another user made the folder first (root here): it is refused, the settings are kept
    // in memory, the user is told why once, and no write fails or lands anywhere.
    ASSERT_EQ(mkdir(own.c_str(), 0777), 0);
    ASSERT_EQ(chmod(own.c_str(), 0777), 0);
    EXPECT_EQ(asHomeless([&] {
                  if (!GetDataFolder().empty() || EnsureDataFolder().empty()) {
                      return 1;
                  }
                  WriteConfigInteger(SettingsFilePath(), "main", "mode", 1);
                  return LoadProfile(SettingsFilePath()).Sections().empty() ? 0 : 2;
              }),
              0);
    EXPECT_TRUE(QDir(QString::fromStdString(own))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    RemoveFolder(own);
}

TEST(ChooseDataFolder, SkipsFoldersThatAreNotTheUsersOwn) {
    TempFolder dir;
    const std::string first = dir.file("first");
    const std::string second = dir.file("second");
    const std::string spare = dir.file("spare");
    ASSERT_TRUE(platform::MakeDirectory(first) && platform::MakeDirectory(second));
    EXPECT_EQ(ChooseDataFolder({first, second}, spare).folder, first + "/tarnwick/");

    ASSERT_TRUE(platform::MakeDirectory(first + "/tarnwick"));
    ASSERT_EQ(chmod((first + "/tarnwick").c_str(), 0777), 0);  // anyone may plant files in it
    EXPECT_EQ(ChooseDataFolder({first, second}, spare).folder, second + "/tarnwick/");

    // The spare folder lies where everyone may write, so it must be a real folder of the
    // user's that nobody else may enter.
    ASSERT_TRUE(platform::MakeDirectory(dir.file("elsewhere")));
    ASSERT_EQ(symlink(dir.file("elsewhere").c_str(), spare.c_str()), 0);
    const DataFolderChoice none = ChooseDataFolder({first}, spare);
    EXPECT_EQ(none.folder, "");
    EXPECT_NE(none.problem.find(spare), std::string::npos);
    ASSERT_EQ(unlink(spare.c_str()), 0);
    EXPECT_EQ(ChooseDataFolder({}, spare).folder, spare + "/");
    ASSERT_EQ(mkdir(spare.c_str(), 0755), 0);
    ASSERT_EQ(chmod(spare.c_str(), 0755), 0);
    EXPECT_EQ(ChooseDataFolder({}, spare).folder, "");
    ASSERT_EQ(chmod(spare.c_str(), 0700), 0);
    EXPECT_EQ(ChooseDataFolder({}, spare).folder, spare + "/");
}

class DataFolderCleanUp : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", config_.path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    QStringList Temporaries() const {
        return QDir(QString::fromStdString(config_.file("tarnwick")))
            .entryList({".tarnwick.cfg.*"}, QDir::Files | QDir::Hidden);
    }
    std::string TemporaryNames() const { return Temporaries().join(' ').toStdString(); }
    void MakeOld(const QString& name) const {
        const std::string path = config_.file("tarnwick/") + name.toStdString();
        const timespec twoMinutesAgo[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
        utimensat(AT_FDCWD, path.c_str(), twoMinutesAgo, 0);
    }

    TempFolder config_;
};

// A writer killed at random moments: the file is always whole, and once the monitor starts
// no temporary of an earlier crash is left, while a writer's fresh one is not touched.
TEST_F(DataFolderCleanUp, NoTemporaryOfAKilledWriterOutlivesTheNextStart) {
    ASSERT_EQ(EnsureDataFolder(), "");
    const std::string path = SettingsFilePath();
    const std::string filler(256 * 1024, ';');  // a long write, so kills land inside it
    // A whole file before the first kill: a slow machine may kill every writer before it lands.
    UpdateProfile(path,
                  [&](ProfileText& file) { file = ProfileText::Parse("[main]\nn=-1\n" + filler); });
    std::mt19937 random(13);
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t writer = fork();
        if (writer == 0) {
            for (int n = 0;; ++n) {
                UpdateProfile(path, [&](ProfileText& file) {
                    file = ProfileText::Parse("[main]\nn=" + std::to_string(n) + "\n" + filler);
                });
            }
        }
        usleep(2000 + random() % 20000);
        ::kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
    }
    EXPECT_TRUE(LoadProfile(path).Get("main", "n").has_value());
    for (const QString& name : Temporaries()) {
        MakeOld(name);  // a minute passes
    }
    const std::string fresh = config_.file("tarnwick/.tarnwick.cfg.Fresh1");
    TempFolder::Write(fresh, "being written");
    ASSERT_EQ(EnsureDataFolder(), "");
    EXPECT_EQ(TemporaryNames(), ".tarnwick.cfg.Fresh1");
}

}  // namespace
}  // namespace tarnwick
