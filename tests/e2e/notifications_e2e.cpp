// The desktop notifications on a private session bus (the test runs under dbus-run-session)
// against a small service of our own: what a notification carries, its closing, a service
// that hangs and no service at all.
#include "platform/notifications.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tarnwick::platform {
namespace {

using Answer = std::optional<std::optional<std::uint32_t>>;

class Notifications : public ::testing::Test {
protected:
    // Starts the service with the given options and waits until it owns its name.
    void StartService(const QStringList& options) {
        service_ = std::make_unique<QProcess>();
        service_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        service_->start(QStringLiteral(TARNWICK_FAKE_NOTIFIER), QStringList{log_} + options);
        ASSERT_TRUE(service_->waitForReadyRead(10000));
        ASSERT_EQ(service_->readLine().trimmed(), "ready");
    }
    void TearDown() override {
        if (service_) {
            service_->kill();
            service_->waitForFinished();
        }
    }

    // Runs the event loop until there is an answer or ms have passed.
    static void Wait(const std::function<bool()>& done, int ms = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    QString Logged() const {
        QFile file(log_);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir_;
    QString log_ = dir_.filePath(QStringLiteral("notify.log"));
    std::unique_ptr<QProcess> service_;
    std::unique_ptr<DesktopNotifications> notifications_ = MakeSystemNotifications(
        QStringLiteral("Tarnwick"), QStringLiteral("example.tarnwick.Tarnwick"));
};

TEST_F(Notifications, TheServiceGetsTheMessageAndReportsItClosed) {
    StartService(
        {QStringLiteral("--markup"), QStringLiteral("--close-after"), QStringLiteral("200")});
    std::optional<std::uint32_t> closed;
    notifications_->SetClosedHandler([&](std::uint32_t id) { closed = id; });
    Answer answer;
    notifications_->Notify(QStringLiteral("High load"),
                           QStringLiteral("was more than 90 %\nBusiest: a<b&c (pid 7) 63 %"),
                           [&](std::optional<std::uint32_t> id) { answer = id; });
    Wait([&] { return answer.has_value(); });
    ASSERT_TRUE(answer.has_value());
    ASSERT_TRUE(answer->has_value());
    // A service that reads markup gets the text's own "<" and "&" as text.
    EXPECT_EQ(Logged(), QStringLiteral("Tarnwick|example.tarnwick.Tarnwick|High load|was more than "
                                       "90 %\\nBusiest: a&lt;b&amp;c (pid 7) 63 %|-1|"
                                       "example.tarnwick.Tarnwick\n"));
    Wait([&] { return closed.has_value(); });
    EXPECT_EQ(closed, **answer);
}

TEST_F(Notifications, APlainServiceGetsThePlainText) {
    StartService({});
    Answer answer;
    notifications_->Notify(QStringLiteral("Low"), QStringLiteral("a<b"),
                           [&](std::optional<std::uint32_t> id) { answer = id; });
    Wait([&] { return answer.has_value(); });
    ASSERT_TRUE(answer.has_value() && answer->has_value());
    EXPECT_TRUE(Logged().contains(QStringLiteral("|Low|a<b|")));
}

TEST_F(Notifications, AServiceThatHangsIsGivenUpAfterASecond) {
    StartService({QStringLiteral("--hang")});
    Answer answer;
    QElapsedTimer clock;
    clock.start();
    notifications_->Notify(QStringLiteral("High load"), QStringLiteral("text"),
                           [&](std::optional<std::uint32_t> id) { answer = id; });
    EXPECT_FALSE(answer.has_value());  // the caller never waits
    Wait([&] { return answer.has_value(); });
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->has_value());
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_TRUE(Logged().contains(QStringLiteral("|High load|text|")));
}

TEST_F(Notifications, WithoutAServiceTheAnswerComesAtOnce) {
    Answer answer;
    QElapsedTimer clock;
    clock.start();
    notifications_->Notify(QStringLiteral("High load"), QStringLiteral("text"),
                           [&](std::optional<std::uint32_t> id) { answer = id; });
    Wait([&] { return answer.has_value(); });
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->has_value());
    EXPECT_LT(clock.elapsed(), 900);
}

}  // namespace
}  // namespace tarnwick::platform

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        std::fprintf(stderr, "run under dbus-run-session: it needs a private session bus\n");
        return 77;
    }
    return RUN_ALL_TESTS();
}
