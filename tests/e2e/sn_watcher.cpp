// A minimal StatusNotifierWatcher for the end-to-end test of the tray icon on a private
// session bus: it owns org.kde.StatusNotifierWatcher, says that a host is registered (and
// owns a host name itself, as a panel would), and keeps the list of registered items until
// their programs leave the bus. It says "ready" on standard output once it runs.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QStringList>

#include <cstdio>

namespace {

class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
public:
    explicit Watcher(QDBusConnection bus) : bus_(bus), owners_(this) {
        owners_.setConnection(bus_);
        owners_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&owners_, &QDBusServiceWatcher::serviceUnregistered, this, &Watcher::Gone);
    }

    QStringList Items() const { return items_; }
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }

public slots:
    // An item names its bus name, or only its object path on the caller's connection.
    void RegisterStatusNotifierItem(const QString& serviceOrPath) {
        const QString sender = message().service();
        const bool isPath = serviceOrPath.startsWith(QLatin1Char('/'));
        const QString service = isPath ? sender : serviceOrPath;
        const QString item =
            service + (isPath ? serviceOrPath : QStringLiteral("/StatusNotifierItem"));
        if (!items_.contains(item)) {
            items_.append(item);
            owners_.addWatchedService(service);
        }
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString& service) {
        Q_UNUSED(service)
        emit StatusNotifierHostRegistered();
    }

signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();
    void StatusNotifierHostUnregistered();

private:
    void Gone(const QString& service) {
        owners_.removeWatchedService(service);
        for (qsizetype i = items_.size() - 1; i >= 0; --i) {
            if (items_[i].startsWith(service + QLatin1Char('/'))) {
                emit StatusNotifierItemUnregistered(items_.takeAt(i));
            }
        }
    }

    QDBusConnection bus_;
    QDBusServiceWatcher owners_;
    QStringList items_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "sn_watcher: no session bus\n");
        return 1;
    }
    Watcher watcher(bus);
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                          QDBusConnection::ExportAllProperties;
    const QString host =
        QStringLiteral("org.kde.StatusNotifierHost-%1").arg(QCoreApplication::applicationPid());
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher, exported) ||
        !bus.registerService(host) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "sn_watcher: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "sn_watcher.moc"
