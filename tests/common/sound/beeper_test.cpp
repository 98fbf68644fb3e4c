#include "common/sound/uBeeper.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/support/eventually.h"
#include "tests/support/fake_tones.h"

namespace tarnwick {
namespace {

using testing::Eventually;
using testing::FakeTones;

TEST(Signal, PlaysItsCountAndAlwaysTheFirstImpulse) {
    for (const auto& [loopCount, expected] : {std::pair{3, 3}, {0, 1}, {-4, 1}, {1, 1}}) {
        FakeTones tones;
        Beeper beeper(tones, SignalParams{880, 1, 1, loopCount, false});
        beeper.Wait();
        EXPECT_EQ(tones.impulses, expected) << "LoopCount " << loopCount;
        EXPECT_EQ(tones.lastFreq, 880);
        EXPECT_FALSE(beeper.Playing());
    }
    struct NoDevice : platform::ToneOutput {
        std::unique_ptr<platform::ToneChannel> Open() override { return nullptr; }
    } none;
    Beeper silent(none, SignalParams{1500, 2, 2, 3, false});  // keeps its rhythm in silence
    silent.Wait();
    EXPECT_FALSE(silent.Playing());
}

TEST(Signal, EndlessSignalStopsWithinOneCycle) {
    FakeTones tones;
    Beeper beeper(tones, SignalParams{1500, 1, 1, 0, true});
    ASSERT_TRUE(Eventually([&] { return tones.impulses >= 5; }));  // beyond a count of 3
    beeper.Stop();
    beeper.Wait();
    const int played = tones.impulses;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(tones.impulses, played);

    // A long pause is cut short: stopping does not wait out its minute.
    Beeper slow(tones, SignalParams{1500, 1, 60000, 5, false});
    const auto start = std::chrono::steady_clock::now();
    slow.Stop();
    slow.Wait();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace tarnwick
