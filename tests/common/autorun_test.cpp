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
    // Only the entry came and went; no probe stays behind.
    EXPECT_TRUE(QDir(QString::fromStdString(autostart()))
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
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

TEST_F(AutorunTest, MissingAutostartFolderIsMade) {
    ASSERT_FALSE(QDir(QString::fromStdString(autostart())).exists());
    EXPECT_TRUE(CanWriteAutorun(autostart()));
    EXPECT_TRUE(QDir(QString::fromStdString(autostart())).exists());
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
}

}  // namespace
}  // namespace tarnwick
