// A small notification service for tests on a private session bus: it owns
// org.freedesktop.Notifications and writes one line per Notify call to the log file:
//   app|icon|summary|body|expire timeout|desktop-entry hint
// with the body's line ends written as "\n". It says "ready" on standard output once it owns
// the name.
// Usage: fake_notifier <log> [--markup] [--hang] [--close-after <ms>]
//   --markup       says it reads markup in bodies
//   --hang         never answers Notify, as a service that hangs
//   --close-after  reports each notification closed (dismissed) that long after it came
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>

namespace {

class Service : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    Service(QString log, bool markup, bool hang, int closeAfter)
        : log_(std::move(log)), markup_(markup), hang_(hang), closeAfter_(closeAfter) {}

public slots:
    QStringList GetCapabilities() {
        QStringList capabilities{QStringLiteral("body")};
        if (markup_) {
            capabilities << QStringLiteral("body-markup");
        }
        return capabilities;
    }

    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout) {
        Q_UNUSED(replaces)
        Q_UNUSED(actions)
        QFile file(log_);
        if (file.open(QIODevice::Append)) {
            QString shownBody = body;
            shownBody.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            const QStringList fields{app,
                                     icon,
                                     summary,
                                     shownBody,
                                     QString::number(timeout),
                                     hints.value(QStringLiteral("desktop-entry")).toString()};
            file.write((fields.join(QLatin1Char('|')) + QLatin1Char('\n')).toUtf8());
        }
        if (hang_) {
            setDelayedReply(true);  // and never reply
            return 0;
        }
        const uint id = ++last_;
        if (closeAfter_ >= 0) {
            QTimer::singleShot(closeAfter_, this, [this, id] { emit NotificationClosed(id, 2); });
        }
        return id;
    }

    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }

    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Tarnwick tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake_notifier");
    }

signals:
    void NotificationClosed(uint id, uint reason);

private:
    QString log_;
    bool markup_;
    bool hang_;
    int closeAfter_;
    uint last_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: fake_notifier <log> [--markup] [--hang] [--close-after ms]\n");
        return 2;
    }
    const qsizetype close = args.indexOf(QStringLiteral("--close-after"));
    const int closeAfter = close > 0 && close + 1 < args.size() ? args[close + 1].toInt() : -1;
    Service service(args[1], args.contains(QStringLiteral("--markup")),
                    args.contains(QStringLiteral("--hang")), closeAfter);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "fake_notifier: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "fake_notifier.moc"
