#include "monitor/events/power.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <utility>

namespace tarnwick {

namespace {

QDBusMessage ManagerCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"), method);
}

}  // namespace

bool LogindManager::Reachable() {
    return QDBusConnection::systemBus().isConnected();
}

void LogindManager::Ask(const QString& question,
                        std::function<void(bool ok, const QString& answer)> done) {
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::systemBus().asyncCall(ManagerCall(question)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [done = std::move(done)](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QString> reply = *call;
                call->deleteLater();
                done(!reply.isError(), reply.isError() ? QString() : reply.value());
            });
}

void LogindManager::Order(const QString& method, bool interactive,
                          std::function<void(bool ok)> done) {
    QDBusMessage message = ManagerCall(method);
    message << interactive;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [done = std::move(done)](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<> reply = *call;
                call->deleteLater();
                done(!reply.isError());
            });
}

void SystemPower::Failed(const QString& step) {
    messages_.ShowExitError(step + QStringLiteral("() Failed"));
}

void SystemPower::Run(const QString& question, const QString& method) {
    if (!manager_.Reachable()) {
        Failed(QStringLiteral("SystemBus"));
        return;
    }
    manager_.Ask(question, [this, question, method](bool ok, const QString& answer) {
        // "challenge": allowed once the user confirms, as when other users are logged in.
        const bool allowed =
            ok && (answer == QLatin1String("yes") || answer == QLatin1String("challenge"));
        if (!allowed) {
            Failed(question);
            return;
        }
        manager_.Order(method, answer == QLatin1String("challenge"), [this, method](bool done) {
            if (!done) {
                Failed(method);
            }
        });
    });
}

}  // namespace tarnwick
