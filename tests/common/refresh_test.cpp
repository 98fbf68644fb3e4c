#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "common/refresh.h"
#include "tests/support/eventually.h"
#include "tests/support/process_support.h"

namespace tarnwick {
namespace {

using testing::HelperProcess;
using testing::RuntimeDirTest;

// What "Ok" and "Apply" send.
const std::vector<std::string> kSave = {kRefreshOptionsMessage, kRefreshEventsMessage};

class BroadcastTest : public RuntimeDirTest {
protected:
    QString outFile(const QString& name) const { return runtimeDir() + "/" + name + ".out"; }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Endpoints() const {
        return QDir(QString::fromStdString(folder()))
            .entryList({"monitor-*.sock"}, QDir::System | QDir::Files);
    }
};

TEST_F(BroadcastTest, ReturnsOnlyAfterEveryMonitorHandledTheMessages) {
    HelperProcess one(runtimeDir(), {"listen", outFile("one")});
    HelperProcess two(runtimeDir(), {"listen", outFile("two")});
    ASSERT_EQ(one.FirstLine(), "ready");
    ASSERT_EQ(two.FirstLine(), "ready");

    // Each monitor writes its file 200 ms into handling, so the files show the waiting.
    EXPECT_EQ(BroadcastRefresh(kSave, kRefreshTimeoutMs, folder()), 2);
    for (const char* monitor : {"one", "two"}) {
        EXPECT_EQ(Contents(outFile(monitor)), "TarnwickRefreshOptions\nTarnwickRefreshEvents\n");
    }

    EXPECT_EQ(BroadcastRefresh({kRefreshEventsMessage}, kRefreshTimeoutMs, folder()), 2);
    // Other names are answered, so a sender never waits for them, but not handled.
    EXPECT_EQ(BroadcastRefresh({"tarnwickrefreshoptions"}, kRefreshTimeoutMs, folder()), 2);
    for (const char* monitor : {"one", "two"}) {
        EXPECT_EQ(Contents(outFile(monitor)),
                  "TarnwickRefreshOptions\nTarnwickRefreshEvents\nTarnwickRefreshEvents\n");
    }
}

TEST_F(BroadcastTest, HungMonitorHoldsTheSenderNoLongerThanTheTimeout) {
    HelperProcess hung(runtimeDir(), {"hang", outFile("hung")});
    HelperProcess fine(runtimeDir(), {"listen", outFile("fine")});
    ASSERT_EQ(hung.FirstLine(), "ready");
    ASSERT_EQ(fine.FirstLine(), "ready");

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(BroadcastRefresh(kSave, 1000, folder()), 1);
    EXPECT_LT(clock.elapsed(), 1000 + 500);
    EXPECT_EQ(Contents(outFile("fine")), "TarnwickRefreshOptions\nTarnwickRefreshEvents\n");
    // A hung monitor is not dead: its endpoint stays.
    EXPECT_EQ(Endpoints().size(), 2);
}

// A stopped monitor (SIGSTOP) takes connections into its queue but answers none; a session
// may stop it, or a debugger.
TEST_F(BroadcastTest, StoppedMonitorsHoldASaveBrieflyAndAnswerTheNextOnceResumed) {
    for (const int count : {1, 3}) {
        SCOPED_TRACE(count);
        std::vector<std::unique_ptr<HelperProcess>> stopped;
        QStringList stoppedOut;
        for (int i = 0; i < count; ++i) {
            stoppedOut << outFile(QString("stopped-%1-%2").arg(count).arg(i));
            stopped.push_back(std::make_unique<HelperProcess>(
                runtimeDir(), QStringList{"listen", stoppedOut[i]}));
            ASSERT_EQ(stopped.back()->FirstLine(), "ready");
            stopped.back()->Signal(SIGSTOP);
        }
        const QString liveOut = outFile(QString("live-%1").arg(count));
        HelperProcess live(runtimeDir(), {"listen", liveOut});
        ASSERT_EQ(live.FirstLine(), "ready");

        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(BroadcastRefresh(kSave, kRefreshTimeoutMs, folder()), 1);
        EXPECT_LT(clock.elapsed(), 2500);
        EXPECT_EQ(Contents(liveOut), "TarnwickRefreshOptions\nTarnwickRefreshEvents\n");

        // Resumed, each handles what waited in its queue: the first name only, as the second
        // was never sent to a monitor that had not answered the first.
        for (const auto& monitor : stopped) {
            monitor->Signal(SIGCONT);
        }
        for (const QString& out : stoppedOut) {
            EXPECT_TRUE(
                testing::Eventually([&] { return Contents(out) == "TarnwickRefreshOptions\n"; }));
        }
        clock.restart();
        EXPECT_EQ(BroadcastRefresh(kSave, kRefreshTimeoutMs, folder()), count + 1);
        EXPECT_LT(clock.elapsed(), 1500);
        for (const QString& out : stoppedOut) {
            EXPECT_EQ(Contents(out),
                      "TarnwickRefreshOptions\nTarnwickRefreshOptions\nTarnwickRefreshEvents\n");
        }
    }
}

TEST_F(BroadcastTest, EndpointsOfDeadMonitorsAreRemoved) {
    HelperProcess crashed(runtimeDir(), {"listen", outFile("crashed")});
    ASSERT_EQ(crashed.FirstLine(), "ready");
    crashed.Kill();
    ASSERT_EQ(Endpoints().size(), 1);  // a killed monitor leaves its socket file
    QFile stray(QString::fromStdString(folder()) + "monitor-1.sock");
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();

    HelperProcess alive(runtimeDir(), {"listen", outFile("alive")});
    ASSERT_EQ(alive.FirstLine(), "ready");
    EXPECT_EQ(BroadcastRefresh({kRefreshOptionsMessage}, kRefreshTimeoutMs, folder()), 1);
    EXPECT_EQ(Endpoints().size(), 1);
    EXPECT_EQ(Contents(outFile("crashed")), "");
    EXPECT_EQ(Contents(outFile("alive")), "TarnwickRefreshOptions\n");
}

TEST_F(BroadcastTest, NoMonitorIsNoErrorAndQuick) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(BroadcastRefresh(kSave, kRefreshTimeoutMs, folder()), 0);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder())));
    EXPECT_EQ(BroadcastRefresh(kSave, kRefreshTimeoutMs, folder()), 0);
    EXPECT_EQ(BroadcastRefresh(kSave, kRefreshTimeoutMs, ""), 0);
    EXPECT_LT(clock.elapsed(), 1000);
}

class ListenerTest : public RuntimeDirTest {
protected:
    std::string listenFolder() const { return dir_.path().toStdString() + "/"; }

    // Runs a blocking broadcast on another thread while this thread's event loop serves the
    // listener, as in a monitor.
    static int BroadcastWhileServing(const std::string& name, const std::string& folder) {
        std::atomic<int> result{-1};
        std::thread sender([&] { result = BroadcastRefresh({name}, kRefreshTimeoutMs, folder); });
        QElapsedTimer clock;
        clock.start();
        while (result < 0 && clock.elapsed() < 30000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        sender.join();
        return result;
    }
};

TEST_F(ListenerTest, HandlerRunsOnTheListenersThreadAndClosingRemovesTheEndpoint) {
    auto listener = std::make_unique<RefreshListener>();
    ASSERT_TRUE(listener->Listen(listenFolder()));
    const QString endpoint = QString::fromStdString(listener->endpointPath());
    EXPECT_TRUE(QFile::exists(endpoint));

    QStringList names;
    bool onOwnThread = true;
    const auto owner = std::this_thread::get_id();
    QObject::connect(listener.get(), &RefreshListener::refreshRequested, [&](const QString& name) {
        names << name;
        onOwnThread = onOwnThread && std::this_thread::get_id() == owner;
    });
    EXPECT_EQ(BroadcastWhileServing(kRefreshOptionsMessage, listenFolder()), 1);
    EXPECT_EQ(BroadcastWhileServing(kRefreshEventsMessage, listenFolder()), 1);
    EXPECT_EQ(names, QStringList({kRefreshOptionsMessage, kRefreshEventsMessage}));
    EXPECT_TRUE(onOwnThread);

    listener.reset();
    EXPECT_FALSE(QFile::exists(endpoint));
}

// A sender that writes its request in pieces, then nothing more, and reads the answer until
// the listener closes.
std::string SendInPieces(const std::string& path, const std::vector<std::string>& pieces) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return "no connection";
    }
    for (const std::string& piece : pieces) {
        (void)::send(fd, piece.data(), piece.size(), MSG_NOSIGNAL);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::shutdown(fd, SHUT_WR);  // the sender has said all it will
    timeval wait{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    std::string answer;
    char buffer[64];
    for (ssize_t got; (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0;) {
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return answer;
}

TEST_F(ListenerTest, RequestsArrivingInPiecesOrMalformedAreServedOrDroppedAndTheListenerGoesOn) {
    RefreshListener listener;
    ASSERT_TRUE(listener.Listen(listenFolder()));
    QStringList names;
    QObject::connect(&listener, &RefreshListener::refreshRequested,
                     [&](const QString& name) { names << name; });
    const std::string overlong(300, 'x');
    const struct {
        std::vector<std::string> pieces;
        std::string answer;
        QStringList names;
    } cases[] = {
        {{"Tarnwick", "RefreshEvents\n"}, "ok\n", {kRefreshEventsMessage}},
        {{"SomethingElse\n"}, "ok\n", {}},
        {{overlong + "\n"}, "", {}},
        {{overlong.substr(0, 200), overlong.substr(0, 100)}, "", {}},
        {{"TarnwickRefreshOptions"}, "", {}},  // closes before its line feed
        {{"TarnwickRefreshOptions\n"}, "ok\n", {kRefreshOptionsMessage}},
    };
    for (const auto& c : cases) {
        names.clear();
        std::string answer;
        std::atomic<bool> done{false};
        std::thread sender([&] {
            answer = SendInPieces(listener.endpointPath(), c.pieces);
            done = true;
        });
        QElapsedTimer clock;
        clock.start();
        while (!done && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        sender.join();
        EXPECT_EQ(answer, c.answer) << c.pieces.front().substr(0, 30);
        EXPECT_EQ(names, c.names) << c.pieces.front().substr(0, 30);
    }
}

}  // namespace
}  // namespace tarnwick
