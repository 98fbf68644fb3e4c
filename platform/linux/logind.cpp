// systemd-logind on the system bus stands for the session manager.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>

#include <utility>

#include "platform/power.h"

namespace tarnwick::platform {

namespace {

QDBusMessage ManagerCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"), method);
}

class LogindManager final : public LoginManager {
public:
    bool Reachable() override { return QDBusConnection::systemBus().isConnected(); }

    void Ask(const QString& question,
             std::function<void(bool ok, const QString& answer)> done) override {
        auto* watcher = new QDBusPendingCallWatcher(
            QDBusConnection::systemBus().asyncCall(ManagerCall(question)), &context_);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                         [done = std::move(done)](QDBusPendingCallWatcher* call) {
                             const QDBusPendingReply<QString> reply = *call;
                             call->deleteLater();
                             done(!reply.isError(), reply.isError() ? QString() : reply.value());
                         });
    }

    void Order(const QString& method, bool interactive,
               std::function<void(bool ok)> done) override {
        QDBusMessage message = ManagerCall(method);
        message << interactive;
        auto* watcher =
            new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(message), &context_);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                         [done = std::move(done)](QDBusPendingCallWatcher* call) {
                             const QDBusPendingReply<> reply = *call;
                             call->deleteLater();
                             done(!reply.isError());
                         });
    }

private:
    QObject context_;  // pending answers die with the manager
};

}  // namespace

std::unique_ptr<LoginManager> MakeSystemLoginManager() {
    return std::make_unique<LogindManager>();
}

}  // namespace tarnwick::platform
