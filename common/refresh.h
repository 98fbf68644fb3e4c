#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "platform/process.h"

class QSocketNotifier;

// The one channel between the programs: after writing a settings file, the settings program
// asks every running monitor of the user to read it again, and goes on when each has done so
// or a short time is up. Every monitor listens on its own local socket "monitor-<pid>.sock" in the
// user's private runtime folder. A request is the message name and "\n"; the monitor answers "ok\n"
// after its handler has run.
namespace tarnwick {

inline constexpr char kRefreshOptionsMessage[] = "TarnwickRefreshOptions";
inline constexpr char kRefreshEventsMessage[] = "TarnwickRefreshEvents";

// How long one broadcast waits for all monitors together, so that a hung or stopped monitor
// holds the settings program only briefly.
inline constexpr int kRefreshTimeoutMs = 2000;

// The monitor's end. It lives on the user-interface thread and hands each request to that
// thread's event loop.
class RefreshListener : public QObject {
    Q_OBJECT

public:
    explicit RefreshListener(QObject* parent = nullptr);
    ~RefreshListener() override;  // closes the endpoint and removes its file

    // Opens this process's endpoint in folder, which must exist (RuntimeFolder makes it).
    // False when it cannot be opened; the monitor then runs on without hearing of changes.
    bool Listen(const std::string& folder = platform::RuntimeFolder());
    // The socket file, empty until Listen succeeded.
    const std::string& endpointPath() const { return endpointPath_; }

signals:
    // "TarnwickRefreshOptions" or "TarnwickRefreshEvents". The acknowledgement is sent when
    // the connected slots have returned, so connect them directly (the default in one
    // thread), not queued. Any other name is acknowledged and dropped without a signal.
    void refreshRequested(const QString& name);

private:
    class Client;

    void Accept();
    void Serve(Client* client);

    int listener_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::string endpointPath_;
};

// The settings program's end: sends the names, in order, to every monitor endpoint in
// folder. All monitors are served at once; each is sent a name only after it acknowledged the
// one before, so a monitor that misses the time for one name is not sent the rest. Returns
// after timeoutMs in all at the latest, with the number of monitors that acknowledged every
// name; no monitor at all is not an error (0). Endpoints whose monitor has died are removed.
// Needs no event loop; whileWaiting, when given, runs every few milliseconds while answers
// are awaited (the settings program keeps its windows painted there).
int BroadcastRefresh(const std::vector<std::string>& names, int timeoutMs = kRefreshTimeoutMs,
                     const std::string& folder = platform::RuntimeFolder(),
                     const std::function<void()>& whileWaiting = {});

}  // namespace tarnwick
