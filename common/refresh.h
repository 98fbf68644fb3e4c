#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "platform/process.h"

class QSocketNotifier;

// The one channel between the programs: after writing a settings file, the settings program
// asks every running monitor of the user to read it again, and goes on only when each has done
// so. Every monitor listens on its own local socket "monitor-<pid>.sock" in the user's private
// runtime folder. A request is the message name and "\n"; the monitor answers "ok\n" after its
// handler has run.
namespace tarnwick {

inline constexpr char kRefreshOptionsMessage[] = "TarnwickRefreshOptions";
inline constexpr char kRefreshEventsMessage[] = "TarnwickRefreshEvents";

// How long the broadcast waits for one monitor before it gives up on it and goes on to the
// next, so a hung monitor cannot hang the settings program.
inline constexpr int kRefreshTimeoutMs = 3000;

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

// The settings program's end: sends name to every monitor endpoint in folder, one after the
// other, and returns when each has acknowledged or timeoutMs has passed for it. Returns the
// number of monitors that acknowledged; no monitor at all is not an error (0). Endpoints whose
// monitor has died are removed. Needs no event loop.
int BroadcastRefresh(const std::string& name, int timeoutMs = kRefreshTimeoutMs,
                     const std::string& folder = platform::RuntimeFolder());

}  // namespace tarnwick
