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

TEST(SamplingClock, TicksOnItsOwnThreadUntilStopped) {
    auto clock = MakeSystemSamplingClock();
    ASSERT_NE(clock, nullptr);
    std::atomic<int> ticks{0};
    std::atomic<bool> onCaller{false};
    const auto caller = std::this_thread::get_id();
    clock->Start(5, [&] {
        onCaller = onCaller || std::this_thread::get_id() == caller;
        ++ticks;
    });
    EXPECT_TRUE(clock->Active());
    ASSERT_TRUE(ReachesWithin2s(ticks, 5));
    clock->Stop();
    EXPECT_FALSE(clock->Active());
    const int atStop = ticks;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(ticks, atStop);
    EXPECT_FALSE(onCaller);
    clock->Stop();  // a second stop is harmless
}

TEST(SamplingClock, ARestartReplacesTheBeatAndTheEndStopsIt) {
    auto clock = MakeSystemSamplingClock();
    ASSERT_NE(clock, nullptr);
    auto first = std::make_shared<std::atomic<int>>(0);
    auto second = std::make_shared<std::atomic<int>>(0);
    clock->Start(5, [first] { ++*first; });
    ASSERT_TRUE(ReachesWithin2s(*first, 1));
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
