// Profile files on disk: atomic replaces, failures, two writers at once, raw replace.
#include "common/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>

#include <functional>

#include "common/errors.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

namespace tarnwick {
namespace {

using testing::TempFolder;

class ProfileFile : public ::testing::Test {
protected:
    TempFolder dir;
    const std::string path = dir.file("tarnwick.cfg");
};

TEST_F(ProfileFile, MissingFileReadsEmptyAndIsCreatedByAWrite) {
    EXPECT_TRUE(LoadProfile(path).Sections().empty());
    WriteProfileInteger(path, "main", "mode", 1);
    WriteProfileBool(path, "main", "snap", false);
    WriteProfileString(path, "skins", "active", "/a b/c.skin");
    EXPECT_EQ(TempFolder::Read(path), "[main]\nmode=1\nsnap=0\n[skins]\nactive=/a b/c.skin\n");
}

TEST_F(ProfileFile, AWriteLeavesNoTemporaryFilesAndKeepsPermissions) {
    TempFolder::Write(path, "[main]\r\nmode=2\r\n");
    chmod(path.c_str(), 0640);
    WriteProfileInteger(path, "main", "mode", 1);
    EXPECT_EQ(TempFolder::Read(path), "[main]\r\nmode=1\r\n");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files | QDir::Hidden),
              QStringList{"tarnwick.cfg"});
}

TEST_F(ProfileFile, AWriteRemovesWhatACrashedWriterLeftAndNothingElse) {
    // A writer killed between naming and renaming its temporary leaves ".<file>.XXXXXX".
    const std::string leftover = dir.file(".tarnwick.cfg.Ab12Cd");
    TempFolder::Write(leftover, "[main]\nmode=2\n");
    TempFolder::Write(dir.file(".events.cfg.Ab12Cd"), "another file's temporary");
    TempFolder::Write(dir.file(".tarnwick.cfg.notes"), "not our naming pattern");
    WriteProfileInteger(path, "main", "mode", 1);
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList(QDir::Files | QDir::Hidden),
              (QStringList{".events.cfg.Ab12Cd", ".tarnwick.cfg.notes", "tarnwick.cfg"}));
}

TEST_F(ProfileFile, AWriteThroughALinkReplacesTheFileItNames) {
    const std::string real = dir.file("real.cfg");
    const std::string link = dir.file("link.cfg");
    TempFolder::Write(real, "[main]\nx=1\n");
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    WriteProfileInteger(link, "main", "x", 2);
    EXPECT_EQ(TempFolder::Read(real), "[main]\nx=2\n");
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// Runs the checks as an ordinary user: permissions do not stop root, and CI runs as root.
int RunAsOrdinaryUser(const std::function<int()>& checks) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(100);
        }
        _exit(checks());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(ProfileFile, AWriteThatCannotLandThrowsWithThePathAndChangesNothing) {
    chmod(dir.path().c_str(), 0777);  // the folder is writable; the files are not
    const std::string readOnly = dir.file("readonly.cfg");
    const std::string writeOnly = dir.file("writeonly.cfg");
    TempFolder::Write(readOnly, "[main]\nmode=2\n");
    TempFolder::Write(writeOnly, "[main]\nmode=2\n");
    chmod(readOnly.c_str(), 0444);
    chmod(writeOnly.c_str(), 0222);
    const int result = RunAsOrdinaryUser([&] {
        try {
            WriteProfileInteger(readOnly, "main", "mode", 1);
            return 1;
        } catch (const WriteError& e) {
            if (std::string(e.what()) != "Unable to write to " + readOnly) {
                return 2;
            }
        }
        try {
            // Rewriting a file we may not read would lose everything but our key.
            WriteProfileInteger(writeOnly, "main", "x", 1);
            return 3;
        } catch (const WriteError&) {
        }
        return 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TempFolder::Read(readOnly), "[main]\nmode=2\n");
    EXPECT_EQ(TempFolder::Read(writeOnly), "[main]\nmode=2\n");
}

TEST_F(ProfileFile, TwoProcessesWritingAtOnceLoseNoKey) {
    constexpr int kKeys = 150;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            for (int i = 0; i < kKeys; ++i) {
                WriteProfileInteger(path, c == 0 ? "first" : "second", "k" + std::to_string(i), i);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const ProfileText file = LoadProfile(path);
    EXPECT_EQ(file.Keys("first").size(), static_cast<std::size_t>(kKeys));
    EXPECT_EQ(file.Keys("second").size(), static_cast<std::size_t>(kKeys));
}

TEST_F(ProfileFile, ReplaceInFileChangesEveryOccurrenceWithoutRegardToCase) {
    TempFolder::Write(path, "[Event5]\r\nline1=see [EVENT5]\r\n[event50]\r\n");
    ReplaceInFile(path, "[event5]", "[event2]");
    EXPECT_EQ(TempFolder::Read(path), "[event2]\r\nline1=see [event2]\r\n[event50]\r\n");
    ReplaceInFile(dir.file("missing.cfg"), "a", "b");
    EXPECT_EQ(TempFolder::Read(dir.file("missing.cfg")), "");
}

// A pipe or a device in the file's place is neither waited on nor read, and a file beyond the
// bound reads as empty; none of them is written over, and a file within the bound still is.
TEST_F(ProfileFile, OnlyARegularFileWithinTheBoundIsReadOrWrittenOver) {
    const std::string pipe = dir.file("pipe.cfg");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string device = dir.file("device.cfg");
    ASSERT_EQ(symlink("/dev/zero", device.c_str()), 0);
    const std::string large = dir.file("large.cfg");
    std::string big = "[main]\nmode=1\n";
    big.resize(kMaxProfileBytes + 1, ';');
    TempFolder::Write(large, big);

    const int result = testing::RunInChild(
        [&] {
            for (const std::string& name : {pipe, device, large}) {
                if (!LoadProfile(name).Sections().empty()) {
                    return 1;
                }
                try {
                    WriteProfileInteger(name, "main", "mode", 2);
                    return 2;
                } catch (const WriteError&) {
                }
            }
            return 0;
        },
        std::chrono::seconds(5));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TempFolder::Read(large), big);
    struct stat st {};
    ASSERT_EQ(lstat(pipe.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    big.resize(kMaxProfileBytes);
    TempFolder::Write(large, big);
    WriteProfileInteger(large, "main", "mode", 2);
    EXPECT_EQ(LoadProfile(large).Get("main", "mode"), "2");
}

}  // namespace
}  // namespace tarnwick
