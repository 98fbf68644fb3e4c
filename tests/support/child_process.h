#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

namespace tarnwick::testing {

// Runs checks in a forked child and answers its exit code: 0 when all held, 98 when it did
// not end within the time (a read that blocks, a loop that never ends), 99 when it crashed.
inline int RunInChild(const std::function<int()>& checks,
                      std::chrono::milliseconds within = std::chrono::seconds(10)) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(checks());
    }
    const auto deadline = std::chrono::steady_clock::now() + within;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 98;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// The owner tests plant files of another user; only root can give files away.
constexpr uid_t kOtherUser = 65534;  // nobody

}  // namespace tarnwick::testing
