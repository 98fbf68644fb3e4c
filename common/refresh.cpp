#include "common/refresh.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/local_socket.h"

namespace tarnwick {

namespace {

// Requests are short names; anything longer is not from us.
constexpr std::size_t kMaxRequest = 256;
// A client that connects and says nothing is dropped after this long.
constexpr int kIdleClientMs = 10000;

constexpr char kEndpointPattern[] = "monitor-*.sock";
constexpr char kAcknowledgement[] = "ok\n";

}  // namespace

// One connected sender: its socket, what it has sent so far, and the watch on its socket.
class RefreshListener::Client : public QObject {
public:
    Client(int fd, QObject* parent)
        : QObject(parent), fd(fd), notifier(fd, QSocketNotifier::Read, this) {}
    ~Client() override { platform::CloseLocal(fd); }

    const int fd;
    QSocketNotifier notifier;
    std::string received;
};

RefreshListener::RefreshListener(QObject* parent) : QObject(parent) {}

RefreshListener::~RefreshListener() {
    delete notifier_;
    platform::CloseLocal(listener_);
    if (!endpointPath_.empty()) {
        QFile::remove(QString::fromStdString(endpointPath_));
    }
}

bool RefreshListener::Listen(const std::string& folder) {
    if (listener_ >= 0 || folder.empty()) {
        return listener_ >= 0;
    }
    const std::string pid = std::to_string(QCoreApplication::applicationPid());
    const std::string path = folder + "monitor-" + pid + ".sock";
    // The socket is made under a name broadcasters do not look at and renamed into place once
    // it listens. Otherwise a broadcaster could find the file in the instant between bind and
    // listen, be refused, and remove the endpoint of a live monitor as stale.
    const std::string temporary = folder + ".monitor-" + pid + ".new";
    std::remove(temporary.c_str());
    const int listener = platform::ListenLocal(temporary);
    if (listener < 0) {
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        platform::CloseLocal(listener);
        std::remove(temporary.c_str());
        return false;
    }
    listener_ = listener;
    endpointPath_ = path;
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read);
    connect(notifier_, &QSocketNotifier::activated, this, &RefreshListener::Accept);
    return true;
}

void RefreshListener::Accept() {
    for (int fd = platform::AcceptLocal(listener_); fd >= 0;
         fd = platform::AcceptLocal(listener_)) {
        auto* client = new Client(fd, this);
        QTimer::singleShot(kIdleClientMs, client, [client] { client->deleteLater(); });
        connect(&client->notifier, &QSocketNotifier::activated, this,
                [this, client] { Serve(client); });
    }
}

void RefreshListener::Serve(Client* client) {
    char buffer[kMaxRequest + 1];
    const long got = platform::ReadLocal(client->fd, buffer, sizeof buffer);
    if (got < 0 && !platform::ReadLocalFailed()) {
        return;  // woken without data; wait for more
    }
    if (got <= 0) {
        // The sender closed or broke the connection before its request was complete.
        client->notifier.setEnabled(false);
        client->deleteLater();
        return;
    }
    client->received.append(buffer, static_cast<std::size_t>(got));
    const std::size_t end = client->received.find('\n');
    if (end == std::string::npos) {
        if (client->received.size() > kMaxRequest) {
            client->notifier.setEnabled(false);
            client->deleteLater();
        }
        return;
    }
    // One request per connection.
    client->notifier.setEnabled(false);
    if (end > kMaxRequest) {
        client->deleteLater();
        return;
    }
    const QString name = QString::fromUtf8(client->received.data(), static_cast<int>(end));
    QPointer<Client> guard(client);
    if (name == QLatin1String(kRefreshOptionsMessage) ||
        name == QLatin1String(kRefreshEventsMessage)) {
        // The handler may run a nested event loop (a message box), in which the sender may
        // give up and the client go away.
        emit refreshRequested(name);
    }
    if (guard.isNull()) {
        return;
    }
    platform::WriteLocal(guard->fd, kAcknowledgement);
    guard->deleteLater();
}

namespace {

// How often a broadcast stops waiting to run whileWaiting: often enough that a window
// repainted there does not look stuck.
constexpr int kWaitSliceMs = 20;

// One monitor's part in a broadcast: the name it is at and the request for it under way;
// no request once it is out of the broadcast.
struct Recipient {
    std::string path;
    std::size_t next = 0;
    std::unique_ptr<platform::LocalRequest> request;
};

// Moves the monitor on as far as it goes without waiting: to its next name after an
// acknowledgement, out of the broadcast after the last name or a failure. True when it has
// just acknowledged the last name.
bool Advance(Recipient& recipient, const std::vector<std::string>& names) {
    while (recipient.request) {
        recipient.request->Proceed();
        switch (recipient.request->state()) {
            case platform::LocalRequest::State::kUnderWay:
                return false;
            case platform::LocalRequest::State::kAnswered:
                if (recipient.request->answer().rfind(kAcknowledgement, 0) != 0) {
                    recipient.request.reset();
                    return false;
                }
                if (++recipient.next == names.size()) {
                    recipient.request.reset();
                    return true;
                }
                recipient.request = std::make_unique<platform::LocalRequest>(
                    recipient.path, names[recipient.next] + '\n', kMaxRequest);
                break;
            case platform::LocalRequest::State::kRefused:
                // Nobody listens on it any more: a monitor that crashed or was killed.
                std::remove(recipient.path.c_str());
                recipient.request.reset();
                return false;
            case platform::LocalRequest::State::kFailed:
                recipient.request.reset();
                return false;
        }
    }
    return false;
}

}  // namespace

int BroadcastRefresh(const std::vector<std::string>& names, int timeoutMs,
                     const std::string& folder, const std::function<void()>& whileWaiting) {
    if (folder.empty() || names.empty()) {
        return 0;
    }
    QElapsedTimer clock;
    clock.start();
    const QDir dir(QString::fromStdString(folder));
    std::vector<Recipient> recipients;
    for (const QString& entry :
         dir.entryList({QLatin1String(kEndpointPattern)}, QDir::System | QDir::Files, QDir::Name)) {
        const std::string path = dir.filePath(entry).toStdString();
        recipients.push_back(
            {path, 0,
             std::make_unique<platform::LocalRequest>(path, names.front() + '\n', kMaxRequest)});
    }
    int handled = 0;
    std::vector<platform::LocalRequest*> underWay;
    for (;;) {
        underWay.clear();
        for (Recipient& recipient : recipients) {
            if (Advance(recipient, names)) {
                ++handled;
            }
            if (recipient.request) {
                underWay.push_back(recipient.request.get());
            }
        }
        const qint64 left = timeoutMs - clock.elapsed();
        if (underWay.empty() || left <= 0) {
            break;
        }
        const qint64 wait = whileWaiting ? std::min<qint64>(left, kWaitSliceMs) : left;
        platform::WaitForLocalRequests(underWay, static_cast<int>(wait));
        if (whileWaiting) {
            whileWaiting();
        }
    }
    return handled;
}

}  // namespace tarnwick
