// The freedesktop.org notification service on the session bus.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <utility>

#include "platform/notifications.h"

namespace tarnwick::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// How long the service has to take a notification before the caller shows it otherwise.
constexpr qint64 kAnswerMs = 1000;

QDBusMessage Call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// Receives the service's signal, which Qt delivers only to a slot.
class ClosedSignal : public QObject {
    Q_OBJECT
public:
    std::function<void(std::uint32_t)> closed;

public slots:
    void NotificationClosed(uint id, uint reason) {
        Q_UNUSED(reason)
        if (closed) {
            closed(id);
        }
    }
};

class DBusNotifications final : public DesktopNotifications {
public:
    DBusNotifications(QString appName, QString iconName)
        : appName_(std::move(appName)), iconName_(std::move(iconName)) {}

    void Notify(const QString& summary, const QString& body,
                std::function<void(std::optional<std::uint32_t>)> shown) override {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            shown(std::nullopt);
            return;
        }
        Listen(bus);
        // Asked each time: the service may have been replaced by one that reads the body
        // differently since the last notification.
        QElapsedTimer clock;
        clock.start();
        auto* watcher = new QDBusPendingCallWatcher(
            bus.asyncCall(Call(QStringLiteral("GetCapabilities")), static_cast<int>(kAnswerMs)),
            &context_);
        QObject::connect(
            watcher, &QDBusPendingCallWatcher::finished, &context_,
            [this, bus, summary, body, clock,
             shown = std::move(shown)](QDBusPendingCallWatcher* call) mutable {
                const QDBusPendingReply<QStringList> reply = *call;
                call->deleteLater();
                if (reply.isError()) {
                    shown(std::nullopt);
                    return;
                }
                // A service that reads markup would take "<" and "&" of the text for it.
                const bool markup = reply.value().contains(QStringLiteral("body-markup"));
                const qint64 left = std::max<qint64>(kAnswerMs - clock.elapsed(), 50);
                Send(bus, summary, markup ? body.toHtmlEscaped() : body, left, std::move(shown));
            });
    }

    void SetClosedHandler(std::function<void(std::uint32_t)> closed) override {
        signal_.closed = std::move(closed);
    }

private:
    void Listen(QDBusConnection& bus) {
        if (!listening_) {
            listening_ =
                bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"),
                            &signal_, SLOT(NotificationClosed(uint, uint)));
        }
    }

    void Send(QDBusConnection& bus, const QString& summary, const QString& body, qint64 timeoutMs,
              std::function<void(std::optional<std::uint32_t>)> shown) {
        QDBusMessage message = Call(QStringLiteral("Notify"));
        QVariantMap hints;
        hints.insert(QStringLiteral("desktop-entry"), iconName_);
        // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout: -1
        // leaves how long it shows to the service.
        message << appName_ << 0u << iconName_ << summary << body << QStringList() << hints << -1;
        auto* watcher = new QDBusPendingCallWatcher(
            bus.asyncCall(message, static_cast<int>(timeoutMs)), &context_);
        QObject::connect(
            watcher, &QDBusPendingCallWatcher::finished, &context_,
            [shown = std::move(shown)](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<uint> reply = *call;
                call->deleteLater();
                shown(reply.isError() ? std::nullopt : std::optional<std::uint32_t>(reply.value()));
            });
    }

    QString appName_;
    QString iconName_;
    ClosedSignal signal_;
    bool listening_ = false;
    QObject context_;  // pending answers die with the object
};

}  // namespace

std::unique_ptr<DesktopNotifications> MakeSystemNotifications(const QString& appName,
                                                              const QString& iconName) {
    return std::make_unique<DBusNotifications>(appName, iconName);
}

}  // namespace tarnwick::platform

#include "notifications_dbus.moc"
