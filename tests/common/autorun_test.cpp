#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "common/autorun.h"
#include "tests/support/child_process.h"
#include "tests/support/process_support.h"

namespace tarnwick {
namespace {

class AutorunTest : public testing::RuntimeDirTest {
protected:
    std::string autostart() const { return dir_.path().toStdString() + "/config/autostart/"; }
    QString entryPath() const { return QString::fromStdString(autostart()) + kAutostartEntryName; }

    QByteArray Entry() const {
        QFile file(entryPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The names in the autostart folder, hidden ones too, sorted and joined by spaces.
    std::string Listing() const {
        QStringList names =
            QDir(QString::fromStdString(autostart()))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names.join(' ').toStdString();
    }

    // desktop-file-validate's complaints about the entry; empty when it passes.
    QString Complaints() const {
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start("desktop-file-validate", {entryPath()});
        if (!validate.waitForFinished(30000)) {
            return "desktop-file-validate did not run";
        }
        const QString output = QString::fromUtf8(validate.readAll()).trimmed();
        return validate.exitCode() == 0 && output.isEmpty() ? QString() : output;
    }
};

TEST(DesktopExecArgumentTest, QuotesAndEscapesAsDesktopEntriesRequire) {
    EXPECT_EQ(DesktopExecArgument("/usr/lib/tarnwick/Tarnwick"), "/usr/lib/tarnwick/Tarnwick");
    EXPECT_EQ(DesktopExecArgument("/opt/my tools/Tarnwick"), "\"/opt/my tools/Tarnwick\"");
    EXPECT_EQ(DesktopExecArgument("/opt/it's/Tarnwick"), "\"/opt/it's/Tarnwick\"");
    // Inside quotes " ` $ \ take a backslash; the value escaping then doubles every backslash.
    EXPECT_EQ(DesktopExecArgument("/a\"b`c$d\\e"), R"("/a\\"b\\`c\\$d\\\\e")");
    EXPECT_EQ(DesktopExecArgument("/opt/100%/Tarnwick"), "/opt/100%%/Tarnwick");
    EXPECT_EQ(DesktopExecArgument("/opt/50% off/Tarnwick"), "\"/opt/50%% off/Tarnwick\"");
    EXPECT_EQ(DesktopExecArgument("/opt/a\tb"), "\"/opt/a\\tb\"");
}

TEST_F(AutorunTest, OnWritesAValidEntryAndOffRemovesIt) {
    const std::string monitor = "/usr/lib/tarnwick/Tarnwick";
    SetAutorun(true, monitor, autostart());
    const QByteArray entry = Entry();
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
    EXPECT_TRUE(entry.contains("\nName=Tarnwick\n"));
    EXPECT_TRUE(entry.contains("\nExec=/usr/lib/tarnwick/Tarnwick\n"));
    EXPECT_EQ(Complaints(), "");

    SetAutorun(true, monitor, autostart());  // again: unchanged
    EXPECT_EQ(Entry(), entry);

    SetAutorun(false, monitor, autostart());
    EXPECT_FALSE(QFile::exists(entryPath()));
    SetAutorun(false, monitor, autostart());  // nothing to remove is fine
    EXPECT_FALSE(QFile::exists(entryPath()));
    // Only the entry came and went.
    EXPECT_EQ(Listing(), "");
}

TEST_F(AutorunTest, AwkwardProgramPathsStillGiveValidEntries) {
    for (const std::string monitor :
         {"/home/ann/My Programs/tarnwick/Tarnwick", "/opt/it's \"odd\"/$HOME/`x`/a\\b/Tarnwick",
          "/opt/100% (new)/Tarnwick", "/opt/Ünïcode/Tarnwick"}) {
        SCOPED_TRACE(monitor);
        SetAutorun(true, monitor, autostart());
        EXPECT_EQ(Complaints(), "");
    }
}

// The session starts exactly the program the entry names: run it the way a desktop does.
TEST_F(AutorunTest, SessionStartsTheMonitorAtItsPath) {
    const QString gio = QStandardPaths::findExecutable("gio");
    if (gio.isEmpty()) {
        GTEST_SKIP() << "gio (libglib2.0-bin) is not installed";
    }
    const QString folder = dir_.path() + "/My Programs/it's $HOME \"x\" \\ `y`";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString monitor = folder + "/Tarnwick";
    const QString marker = dir_.path() + "/started";
    {
        QFile script(monitor);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$0\" > '" + marker.toUtf8() + "'\n");
    }
    ASSERT_EQ(chmod(monitor.toLocal8Bit().constData(), 0755), 0);
    SetAutorun(true, monitor.toStdString(), autostart());

    QProcess launch;
    launch.start(gio, {"launch", entryPath()});
    ASSERT_TRUE(launch.waitForFinished(30000));
    ASSERT_EQ(launch.exitCode(), 0) << launch.readAllStandardError().toStdString();
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(marker) && clock.elapsed() < 20000) {
        QThread::msleep(20);
    }
    QThread::msleep(50);  // the script may still be writing
    QFile started(marker);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(started.readAll()), monitor);
}

// On a fresh account neither the autostart folder nor the configuration folder exists.
TEST_F(AutorunTest, TheCheckMakesNothingAndTheFirstEntryMakesTheFolder) {
    const QString config = dir_.path() + "/config";
    ASSERT_FALSE(QDir(config).exists());
    EXPECT_TRUE(CanWriteAutorun(autostart()));
    SetAutorun(false, "/usr/lib/tarnwick/Tarnwick", autostart());
    EXPECT_FALSE(QDir(config).exists());

    SetAutorun(true, "/usr/lib/tarnwick/Tarnwick", autostart());
    EXPECT_FALSE(Entry().isEmpty());
    EXPECT_TRUE(CanWriteAutorun(autostart()));
    EXPECT_EQ(Listing(), kAutostartEntryName);
}

TEST_F(AutorunTest, NoRightToWriteMeansNoChange) {
    // A plain file where the folder would be: nothing can be written there.
    ASSERT_TRUE(QDir().mkpath(dir_.path() + "/config"));
    QFile blocker(QString::fromStdString(autostart()).chopped(1));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(CanWriteAutorun(autostart()));
    SetAutorun(true, "/usr/lib/tarnwick/Tarnwick", autostart());
    EXPECT_EQ(blocker.size(), 0);
    EXPECT_FALSE(CanWriteAutorun(""));
    // Under a file no folder can ever be, not even for root; nor deeper than the two levels
    // that writing an entry makes.
    EXPECT_FALSE(CanWriteAutorun(autostart() + "autostart/"));
    EXPECT_FALSE(CanWriteAutorun(dir_.path().toStdString() + "/a/b/autostart/"));
}

// Earlier versions checked with a probe file, which stayed when the program was killed
// during the check.
TEST_F(AutorunTest, TheCheckRemovesTheProbeFilesOfEarlierVersionsOnly) {
    const QString folder = QString::fromStdString(autostart());
    ASSERT_TRUE(QDir().mkpath(folder + ".tarnwick-probe-77"));  // a folder
    for (const char* name :
         {".tarnwick-probe-4242", ".tarnwick-probe-7", ".tarnwick-probe-", ".tarnwick-probe-12a",
          "tarnwick-probe-5", ".tarnwick-probe-5.desktop", kAutostartEntryName}) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString elsewhere = dir_.path() + "/elsewhere";
    QFile target(elsewhere);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(elsewhere, folder + ".tarnwick-probe-88"));

    EXPECT_TRUE(CanWriteAutorun(autostart()));
    EXPECT_EQ(Listing(),
              ".tarnwick-probe- .tarnwick-probe-12a .tarnwick-probe-5.desktop .tarnwick-probe-77 "
              ".tarnwick-probe-88 tarnwick-probe-5 tarnwick.desktop");
    EXPECT_TRUE(QFile::exists(elsewhere));
}

TEST_F(AutorunTest, ReadOnlyFolderKeepsItsEntry) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    SetAutorun(true, "/usr/lib/tarnwick/Tarnwick", autostart());
    const QByteArray entry = Entry();
    ASSERT_FALSE(entry.isEmpty());
    ASSERT_EQ(chmod(autostart().c_str(), 0555), 0);
    EXPECT_FALSE(CanWriteAutorun(autostart()));
    SetAutorun(false, "/usr/lib/tarnwick/Tarnwick", autostart());
    SetAutorun(true, "/elsewhere/Tarnwick", autostart());
    chmod(autostart().c_str(), 0755);
    EXPECT_EQ(Entry(), entry);

    // A missing folder whose parent may not be written could not be made.
    const std::string inReadOnly = dir_.path().toStdString() + "/config/readonly/autostart/";
    ASSERT_TRUE(QDir().mkpath(dir_.path() + "/config/readonly"));
    ASSERT_EQ(chmod((dir_.path() + "/config/readonly").toLocal8Bit().constData(), 0555), 0);
    EXPECT_FALSE(CanWriteAutorun(inReadOnly));
    chmod((dir_.path() + "/config/readonly").toLocal8Bit().constData(), 0755);
}

// A read-only mount stops root too. Mounting needs a private mount namespace, which only a
// privileged test gets; elsewhere the case is skipped.
TEST_F(AutorunTest, ReadOnlyMountCannotBeWrittenEvenByRoot) {
    const std::string folder = autostart();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    constexpr int kNoNamespace = 77;
    const int result = testing::RunInChild([&folder] {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
                0) {
            return kNoNamespace;
        }
        return CanWriteAutorun(folder) ? 1 : 0;
    });
    if (result == kNoNamespace) {
        GTEST_SKIP() << "no private mount namespace for this test";
    }
    EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace tarnwick
