#include "common/refresh.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <cstdio>

namespace tarnwick {

namespace {

// Requests are short names; anything longer is not from us.
constexpr qint64 kMaxRequest = 256;
// A client that connects and says nothing is dropped after this long.
constexpr int kIdleClientMs = 10000;

constexpr char kEndpointPattern[] = "monitor-*.sock";
constexpr char kAcknowledgement[] = "ok\n";

}  // namespace

RefreshListener::RefreshListener(QObject* parent) : QObject(parent) {}

RefreshListener::~RefreshListener() {
    if (server_ != nullptr) {
        server_->close();
    }
    if (!endpointPath_.empty()) {
        QFile::remove(QString::fromStdString(endpointPath_));
    }
}

bool RefreshListener::Listen(const std::string& folder) {
    if (server_ != nullptr || folder.empty()) {
        return server_ != nullptr;
    }
    const std::string pid = std::to_string(QCoreApplication::applicationPid());
    const std::string path = folder + "monitor-" + pid + ".sock";
    // The socket is made under a name broadcasters do not look at and renamed into place once
    // it listens. Otherwise a broadcaster could find the file in the instant between bind and
    // listen, be refused, and remove the endpoint of a live monitor as stale.
    const QString temporary = QString::fromStdString(folder + ".monitor-" + pid + ".new");
    auto* server = new QLocalServer(this);
    QLocalServer::removeServer(temporary);
    if (!server->listen(temporary) ||
        std::rename(temporary.toStdString().c_str(), path.c_str()) != 0) {
        server->close();
        delete server;
        return false;
    }
    server_ = server;
    endpointPath_ = path;
    connect(server_, &QLocalServer::newConnection, this, &RefreshListener::Accept);
    return true;
}

void RefreshListener::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kIdleClientMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Serve(socket); });
        if (socket->bytesAvailable() > 0) {
            Serve(socket);
        }
    }
}

void RefreshListener::Serve(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxRequest) {
            socket->abort();
        }
        return;
    }
    // One request per connection.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    QByteArray line = socket->readLine(kMaxRequest + 1);
    if (!line.endsWith('\n')) {
        socket->abort();
        return;
    }
    line.chop(1);
    const QString name = QString::fromUtf8(line);
    QPointer<QLocalSocket> guard(socket);
    if (name == QLatin1String(kRefreshOptionsMessage) ||
        name == QLatin1String(kRefreshEventsMessage)) {
        // The handler may run a nested event loop (a message box), in which the sender may
        // give up and the socket go away.
        emit refreshRequested(name);
    }
    if (guard.isNull()) {
        return;
    }
    guard->write(kAcknowledgement);
    guard->flush();
    guard->disconnectFromServer();
}

int BroadcastRefresh(const std::string& name, int timeoutMs, const std::string& folder) {
    if (folder.empty()) {
        return 0;
    }
    const QDir dir(QString::fromStdString(folder));
    const QStringList endpoints =
        dir.entryList({QLatin1String(kEndpointPattern)}, QDir::System | QDir::Files, QDir::Name);
    const QByteArray request = QByteArray::fromStdString(name) + '\n';
    int handled = 0;
    for (const QString& entry : endpoints) {
        const QString path = dir.filePath(entry);
        const QDeadlineTimer deadline(timeoutMs);
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            // Nobody listens on it any more: a monitor that crashed or was killed.
            if (socket.error() == QLocalSocket::ConnectionRefusedError) {
                QFile::remove(path);
            }
            continue;
        }
        socket.write(request);
        socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
        QByteArray answer;
        while (!answer.contains('\n') && answer.size() <= kMaxRequest) {
            const qint64 left = deadline.remainingTime();
            if (left <= 0 || !socket.waitForReadyRead(static_cast<int>(left))) {
                break;
            }
            answer += socket.readAll();
        }
        if (answer.startsWith(kAcknowledgement)) {
            ++handled;
        }
        socket.abort();
    }
    return handled;
}

}  // namespace tarnwick
