#include "platform/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace tarnwick::platform {

namespace {

bool AddressOf(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits until fd is ready for events or the deadline passes.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

int ListenLocal(const std::string& path) {
    sockaddr_un address;
    if (!AddressOf(path, address)) {
        return -1;
    }
    const int fd = NewSocket();
    if (fd < 0) {
        return -1;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    if (::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        ::unlink(path.c_str());
        return -1;
    }
    return fd;
}

int AcceptLocal(int listener) {
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0 || errno != EINTR) {
            return fd;
        }
    }
}

long ReadLocal(int fd, char* buffer, unsigned long size) {
    for (;;) {
        const ssize_t got = ::recv(fd, buffer, size, 0);
        if (got >= 0 || errno != EINTR) {
            return static_cast<long>(got);
        }
    }
}

bool ReadLocalFailed() {
    return errno != EAGAIN && errno != EWOULDBLOCK;
}

bool WriteLocal(int fd, const std::string& text) {
    std::size_t sent = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (sent < text.size()) {
        const ssize_t done = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (done > 0) {
            sent += static_cast<std::size_t>(done);
        } else if (done < 0 && errno == EINTR) {
            continue;
        } else if (done < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                   WaitFor(fd, POLLOUT, deadline)) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

void CloseLocal(int fd) {
    if (fd >= 0) {
        ::close(fd);
    }
}

LocalRequest::LocalRequest(const std::string& path, std::string request, unsigned long maxAnswer)
    : path_(path), request_(std::move(request)), maxAnswer_(maxAnswer) {
    sockaddr_un address;
    if (!AddressOf(path_, address) || (fd_ = NewSocket()) < 0) {
        state_ = State::kFailed;
        return;
    }
    Proceed();
}

LocalRequest::~LocalRequest() {
    CloseLocal(fd_);
}

void LocalRequest::Finish(State state) {
    state_ = state;
    CloseLocal(fd_);
    fd_ = -1;
}

void LocalRequest::Proceed() {
    if (state_ != State::kUnderWay) {
        return;
    }
    if (!connected_) {
        sockaddr_un address;
        AddressOf(path_, address);
        // A local connection is made at once or refused, except that a listener whose queue
        // is full says "try again"; a hung monitor's queue may stay full.
        if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
                return;
            }
            if (errno != EISCONN) {
                Finish(errno == ECONNREFUSED ? State::kRefused : State::kFailed);
                return;
            }
        }
        connected_ = true;
    }
    while (sent_ < request_.size()) {
        const ssize_t done =
            ::send(fd_, request_.data() + sent_, request_.size() - sent_, MSG_NOSIGNAL);
        if (done > 0) {
            sent_ += static_cast<std::size_t>(done);
        } else if (done < 0 && errno == EINTR) {
            continue;
        } else if (done < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        } else {
            Finish(State::kFailed);
            return;
        }
    }
    char buffer[256];
    for (;;) {
        const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
        if (got > 0) {
            answer_.append(buffer, static_cast<std::size_t>(got));
            if (answer_.find('\n') != std::string::npos || answer_.size() > maxAnswer_) {
                Finish(State::kAnswered);
                return;
            }
        } else if (got == 0) {
            Finish(State::kAnswered);
            return;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return;
        } else if (errno != EINTR) {
            Finish(State::kFailed);
            return;
        }
    }
}

void WaitForLocalRequests(const std::vector<LocalRequest*>& requests, int timeoutMs) {
    constexpr int kRetryConnectMs = 10;
    std::vector<pollfd> entries;
    for (const LocalRequest* request : requests) {
        if (request->state_ != LocalRequest::State::kUnderWay) {
            continue;
        }
        if (!request->connected_) {
            timeoutMs = std::min(timeoutMs, kRetryConnectMs);
            continue;
        }
        const bool sending = request->sent_ < request->request_.size();
        entries.push_back({request->fd_, static_cast<short>(sending ? POLLOUT : POLLIN), 0});
    }
    // An interruption returns early; the caller proceeds and waits again.
    ::poll(entries.data(), entries.size(), std::max(timeoutMs, 0));
}

}  // namespace tarnwick::platform
