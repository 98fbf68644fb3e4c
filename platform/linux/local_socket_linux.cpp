#include "platform/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>

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

LocalCall CallLocal(const std::string& path, const std::string& request, int timeoutMs,
                    unsigned long maxAnswer, std::string& answer) {
    answer.clear();
    sockaddr_un address;
    if (!AddressOf(path, address)) {
        return LocalCall::kFailed;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const int fd = NewSocket();
    if (fd < 0) {
        return LocalCall::kFailed;
    }
    // A listener whose queue is full answers "try again"; a hung monitor's queue may stay
    // full, so this too waits no longer than the deadline.
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            break;
        }
        const int error = errno;
        if (error == EINTR ||
            ((error == EAGAIN || error == EWOULDBLOCK) && RemainingMs(deadline) > 0)) {
            if (error != EINTR) {
                ::poll(nullptr, 0, 10);
            }
            continue;
        }
        ::close(fd);
        return error == ECONNREFUSED ? LocalCall::kRefused : LocalCall::kFailed;
    }
    std::size_t sent = 0;
    while (sent < request.size()) {
        const ssize_t done = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (done > 0) {
            sent += static_cast<std::size_t>(done);
        } else if ((done < 0 && errno == EINTR) ||
                   (done < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) &&
                    WaitFor(fd, POLLOUT, deadline))) {
            continue;
        } else {
            ::close(fd);
            return LocalCall::kFailed;
        }
    }
    char buffer[256];
    while (answer.find('\n') == std::string::npos && answer.size() <= maxAnswer) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            answer.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno == EINTR ||
                   ((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd, POLLIN, deadline))) {
            continue;
        } else {
            break;
        }
    }
    ::close(fd);
    return LocalCall::kAnswered;
}

}  // namespace tarnwick::platform
