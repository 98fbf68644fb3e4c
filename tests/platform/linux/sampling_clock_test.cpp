// The sampling clock's thread: ticks keep coming off the calling thread until Stop, and none
// comes after Stop, a restart or the clock's end.
#include "platform/sampling_clock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace tarnwick::platform {
namespace {

using namespace std::chrono_literals;

// Waits up to two seconds for count to reach at least wanted.
bool ReachesWithin2s(const std::atomic<int>& count, int wanted) {
    const auto end = std::chrono::steady_clock::now() + 2s;
    while (count < wanted && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(1ms);
    }
    return count >= wanted;
}

// Ticks come off the caller's thread; none comes after a stop, after a restart from the beat it
// replaced, or after the clock's end.
TEST(SamplingClock, TicksOnItsOwnThreadUntilStoppedRestartedOrEnded) {
    auto clock = MakeSystemSamplingClock();
    ASSERT_NE(clock, nullptr);
    auto first = std::make_shared<std::atomic<int>>(0);
    auto second = std::make_shared<std::atomic<int>>(0);
    auto onCaller = std::make_shared<std::atomic<bool>>(false);
    const auto caller = std::this_thread::get_id();
    clock->Start(5, [first, onCaller, caller] {
        *onCaller = *onCaller || std::this_thread::get_id() == caller;
        ++*first;
    });
    ASSERT_TRUE(ReachesWithin2s(*first, 3));
    clock->Stop();
    EXPECT_FALSE(clock->Active());
    const int atStop = *first;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(*first, atStop);
    EXPECT_FALSE(*onCaller);

    clock->Start(5, [first] { ++*first; });
    ASSERT_TRUE(ReachesWithin2s(*first, atStop + 1));
    clock->Start(5, [second] { ++*second; });
    const int firstAtRestart = *first;
    ASSERT_TRUE(ReachesWithin2s(*second, 3));
    EXPECT_EQ(*first, firstAtRestart);
    clock.reset();  // joins the thread
    const int secondAtEnd = *second;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(*second, secondAtEnd);
}

}  // namespace
}  // namespace tarnwick::platform
