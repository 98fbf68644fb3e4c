#pragma once

// Shared by the tests of the single-copy lock and the refresh channel: a Qt application for
// the whole test program, stand-in copies of the programs in other processes, and a way to
// point the programs at a temporary runtime folder.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>

namespace tarnwick::testing {

// Sets (or, with nullopt, clears) an environment variable for one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

#ifdef TARNWICK_REFRESH_HELPER
// A copy of refresh_helper whose XDG_RUNTIME_DIR is runtimeDir. Killed when it goes out of
// scope.
class HelperProcess {
public:
    HelperProcess(const QString& runtimeDir, const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtimeDir);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(TARNWICK_REFRESH_HELPER), arguments);
    }
    ~HelperProcess() { Kill(); }
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // The first line the helper prints ("ready", "first", "second"); empty after a generous
    // wait or when it ended without one.
    QString FirstLine() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(20000)) {
                return {};
            }
        }
        return QString::fromUtf8(process_.readLine()).trimmed();
    }

    // SIGSTOP makes it a monitor that neither runs nor answers, SIGCONT wakes it again.
    void Signal(int signal) { ::kill(static_cast<pid_t>(process_.processId()), signal); }

    // Ends it the hard way, as a crash would: no destructor runs.
    void Kill() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(20000);
        }
    }

private:
    QProcess process_;
};
#endif

// A temporary runtime folder and the program folder the code makes inside it.
class RuntimeDirTest : public ::testing::Test {
protected:
    RuntimeDirTest() {
        static int argc = 1;
        static char name[] = "ipc_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            new QCoreApplication(argc, argv);  // lives as long as the test program
        }
    }

    QString runtimeDir() const { return dir_.path(); }
    // What RuntimeFolder() gives in a helper started with runtimeDir().
    std::string folder() const { return dir_.path().toStdString() + "/tarnwick/"; }

    QTemporaryDir dir_;
};

}  // namespace tarnwick::testing
