#pragma once

#include <string>

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

enum class LocalCall {
    kAnswered,  // answer holds what came back (up to a line feed or maxAnswer bytes)
    kRefused,   // a socket file nobody listens on any more
    kFailed,    // no such socket, no answer within the time, or another error
};

// Connects to path, sends request and collects the answer up to and including its first
// line feed, giving up after timeoutMs in all.
LocalCall CallLocal(const std::string& path, const std::string& request, int timeoutMs,
                    unsigned long maxAnswer, std::string& answer);

}  // namespace tarnwick::platform
