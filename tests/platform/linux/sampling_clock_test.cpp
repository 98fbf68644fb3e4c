#include "platform/sampling_clock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace tarnwick::platform {
namespace {

using namespace std::chrono_literals;

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
    std::atomic<int> first{0};
    std::atomic<int> second{0};
    std::atomic<bool> onCaller{false};
    const auto caller = std::this_thread::get_id();
    auto clock = MakeSystemSamplingClock();  // made after the counts, so it ends before them
    ASSERT_NE(clock, nullptr);
    const auto every5ms = [](std::int64_t now) { return now + 5; };
    clock->Start(every5ms, [&] {
        onCaller = onCaller || std::this_thread::get_id() == caller;
        ++first;
    });
    ASSERT_TRUE(ReachesWithin2s(first, 3));
    clock->Stop();
    EXPECT_FALSE(clock->Active());
    const int atStop = first;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(first, atStop);
    EXPECT_FALSE(onCaller);

    clock->Start(every5ms, [&] { ++first; });
    ASSERT_TRUE(ReachesWithin2s(first, atStop + 1));
    clock->Start(every5ms, [&] { ++second; });
    const int firstAtRestart = first;
    ASSERT_TRUE(ReachesWithin2s(second, 3));
    EXPECT_EQ(first, firstAtRestart);
    clock.reset();  // joins the thread
    const int secondAtEnd = second;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(second, secondAtEnd);
}

// A clock told of no beat sleeps until a new plan names one, and then beats at once.
TEST(SamplingClock, ANewPlanWakesAClockThatWaitsForNoBeat) {
    std::atomic<int> beats{0};
    std::atomic<bool> planned{false};
    auto clock = MakeSystemSamplingClock();
    clock->Start([&](std::int64_t now) { return planned ? now + 1 : INT64_MAX; }, [&] { ++beats; });
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(beats, 0);
    planned = true;
    clock->Replan();
    EXPECT_TRUE(ReachesWithin2s(beats, 3));
}

}  // namespace
}  // namespace tarnwick::platform
