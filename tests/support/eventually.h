#pragma once

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace tarnwick::testing {

// Waits up to two seconds for condition, running the event loop meanwhile.
template <typename Condition>
bool Eventually(Condition condition) {
    for (int i = 0; i < 400; ++i) {
        if (condition()) {
            return true;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

}  // namespace tarnwick::testing
