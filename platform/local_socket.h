#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Local stream sockets (a file in a folder private to the user) for the refresh channel.
// Every descriptor is closed on exec, so programs the monitor starts do not inherit them.
namespace tarnwick::platform {

// A socket listening at path, which must not exist yet, that never blocks on accept.
// -1 when it cannot be made (no such folder, path too long).
int ListenLocal(const std::string& path);

// The next waiting connection of a listener, never blocking on reads; -1 when none waits.
int AcceptLocal(int listener);

// Reads what has arrived, at most size bytes, without waiting: the count, 0 when the peer
// has closed, -1 when nothing is there yet (or on an error, see ReadLocalFailed).
long ReadLocal(int fd, char* buffer, unsigned long size);
bool ReadLocalFailed();  // after ReadLocal answered -1: true for an error, false for "later"

// Sends all of text; false when the peer has gone. Never raises SIGPIPE.
bool WriteLocal(int fd, const std::string& text);

void CloseLocal(int fd);

// One request to one listener, carried out without ever blocking, so that requests to many
// listeners can be under way at once and be waited for together (WaitForLocalRequests). The
// listener answers one request per connection; the connection closes with the object.
class LocalRequest {
public:
    enum class State {
        kUnderWay,  // still connecting, sending or waiting for the answer
        kAnswered,  // answer() holds what came back: up to its first line feed, at most
                    // maxAnswer bytes, or what came before the listener closed
        kRefused,   // a socket file nobody listens on any more
        kFailed,    // no such socket, or another error
    };

    // Starts connecting and sending at once.
    LocalRequest(const std::string& path, std::string request, unsigned long maxAnswer);
    ~LocalRequest();
    LocalRequest(const LocalRequest&) = delete;
    LocalRequest& operator=(const LocalRequest&) = delete;

    // Does whatever the connection allows now, without waiting.
    void Proceed();
    State state() const { return state_; }
    const std::string& answer() const { return answer_; }

private:
    friend void WaitForLocalRequests(const std::vector<LocalRequest*>& requests, int timeoutMs);

    void Finish(State state);

    int fd_ = -1;
    bool connected_ = false;
    std::string path_;
    std::string request_;
    std::size_t sent_ = 0;
    unsigned long maxAnswer_;
    std::string answer_;
    State state_ = State::kUnderWay;
};

// Returns when one of the requests under way can proceed, or after timeoutMs at the latest
// (sooner while a listener's queue is full, to try connecting again).
void WaitForLocalRequests(const std::vector<LocalRequest*>& requests, int timeoutMs);

}  // namespace tarnwick::platform
