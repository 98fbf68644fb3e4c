#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "common/single_copy.h"
#include "platform/process.h"
#include "tests/support/process_support.h"

namespace tarnwick {
namespace {

using platform::NamedLock;
using testing::HelperProcess;
using testing::RuntimeDirTest;
using testing::ScopedEnvironment;

class NamedLockTest : public RuntimeDirTest {
protected:
    std::string lockFolder() const { return dir_.path().toStdString() + "/"; }
};

TEST_F(NamedLockTest, FirstCopyMakesTheLockAndItLivesWhileAnyCopyHoldsIt) {
    auto first = std::make_unique<NamedLock>();
    auto second = std::make_unique<NamedLock>();
    EXPECT_FALSE(first->OpenOrCreate(lockFolder(), kMonitorMutex));
    EXPECT_TRUE(second->OpenOrCreate(lockFolder(), kMonitorMutex));
    EXPECT_FALSE(NamedLock().OpenOrCreate(lockFolder(), kSettingsMutex));  // another name
    EXPECT_TRUE(first->holds());
    EXPECT_TRUE(second->holds());
    // Asked again, each copy keeps its first answer.
    EXPECT_FALSE(first->OpenOrCreate(lockFolder(), kMonitorMutex));
    EXPECT_TRUE(second->OpenOrCreate(lockFolder(), kMonitorMutex));

    // The copy that made it ends; the one that went on anyway still keeps it alive.
    first.reset();
    EXPECT_TRUE(NamedLock().OpenOrCreate(lockFolder(), kMonitorMutex));

    second.reset();
    EXPECT_FALSE(NamedLock().OpenOrCreate(lockFolder(), kMonitorMutex));
}

TEST_F(NamedLockTest, NoUsableFolderMeansNoOtherCopy) {
    NamedLock none;
    EXPECT_FALSE(none.OpenOrCreate("", kMonitorMutex));
    EXPECT_FALSE(none.OpenOrCreate(lockFolder() + "missing/", kMonitorMutex));
    EXPECT_FALSE(none.holds());
}

TEST_F(NamedLockTest, SecondProgramCopyFindsTheFirstUntilItDies) {
    HelperProcess first(runtimeDir(), {"lock", kSettingsMutex});
    ASSERT_EQ(first.FirstLine(), "first");
    HelperProcess second(runtimeDir(), {"lock", kSettingsMutex});
    EXPECT_EQ(second.FirstLine(), "second");
    EXPECT_TRUE(NamedLock().OpenOrCreate(folder(), kSettingsMutex));

    // A crash must not leave the lock behind.
    first.Kill();
    second.Kill();
    EXPECT_FALSE(NamedLock().OpenOrCreate(folder(), kSettingsMutex));
}

TEST_F(NamedLockTest, ProgramsStartedByAHolderDoNotInheritTheLock) {
    auto lock = std::make_unique<NamedLock>();
    ASSERT_FALSE(lock->OpenOrCreate(lockFolder(), kMonitorMutex));
    // The monitor starts the settings program and other programs while it holds its lock.
    HelperProcess child(runtimeDir(), {"lock", "Other"});
    ASSERT_FALSE(child.FirstLine().isEmpty());
    lock.reset();
    EXPECT_FALSE(NamedLock().OpenOrCreate(lockFolder(), kMonitorMutex));
}

class RuntimeFolderTest : public RuntimeDirTest {};

TEST_F(RuntimeFolderTest, SessionRuntimeFolderGetsAPrivateSubfolder) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", runtimeDir().toStdString() + "/");
    EXPECT_EQ(platform::RuntimeFolder(), folder());
    struct stat st {};
    ASSERT_EQ(stat(folder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // Someone loosened it: it is made private again.
    ASSERT_EQ(chmod(folder().c_str(), 0755), 0);
    EXPECT_EQ(platform::RuntimeFolder(), folder());
    ASSERT_EQ(stat(folder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(RuntimeFolderTest, WithoutRuntimeFolderUsesAPrivateFolderBesideTheSettings) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", std::nullopt);
    ScopedEnvironment config("XDG_CONFIG_HOME", runtimeDir().toStdString() + "/config");
    const std::string expected = runtimeDir().toStdString() + "/config/tarnwick/run/";
    EXPECT_EQ(platform::RuntimeFolder(), expected);
    struct stat st {};
    ASSERT_EQ(stat(expected.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(ProgramFolderTest, IsTheFolderOfTheRunningProgram) {
    const std::string folder = platform::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder) + "ipc_tests"));
}

}  // namespace
}  // namespace tarnwick
