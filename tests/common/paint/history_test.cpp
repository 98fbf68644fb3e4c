#include "common/paint/history.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DiagramHistory, LengthFollowsTheRectangle) {
    IndicatorLook look;
    look.X2 = 48;
    EXPECT_EQ(HistoryLength(look), 48);
    look.X2 = 0;  // inverted
    EXPECT_EQ(HistoryLength(look), 0);
    look.X1 = -2000000000;
    look.X2 = 2000000000;
    EXPECT_EQ(HistoryLength(look), kMaxHistoryLength);
}

TEST(DiagramHistory, SamplesEnterAtTheRightAndTheFrozenCopyStays) {
    DiagramHistory history;
    history.PushSample(50);  // an empty history takes nothing
    EXPECT_TRUE(history.LiveHistory().empty());
    history.ResetHistory(4);
    for (int v : {10, 20, 30}) {
        history.PushSample(v);
    }
    history.Freeze();
    for (int v : {40, 130, -5}) {
        history.PushSample(v);
    }
    EXPECT_EQ(history.LiveHistory(), (Bytes{30, 40, 100, 0}));
    EXPECT_EQ(history.FrozenHistory(), (Bytes{0, 10, 20, 30}));
    history.ResetHistory(3);
    EXPECT_EQ(history.LiveHistory(), Bytes(3, 0));
}

TEST(DiagramHistory, ResizeKeepsTheFirstSamplesOfBoth) {
    DiagramHistory history;
    history.ResetHistory(3);
    for (int v : {1, 2, 3}) {
        history.PushSample(v);
    }
    EXPECT_TRUE(history.FrozenHistory().empty());  // until the first suspension or skin load
    history.ResizeHistories(5);
    EXPECT_EQ(history.LiveHistory(), (Bytes{1, 2, 3, 0, 0}));
    EXPECT_EQ(history.FrozenHistory(), Bytes(5, 0));
    history.Freeze();
    history.ResizeHistories(2);
    EXPECT_EQ(history.LiveHistory(), (Bytes{1, 2}));
    EXPECT_EQ(history.FrozenHistory(), (Bytes{1, 2}));
}

TEST(DiagramHistory, SamplingAndFreezingReuseTheirStorage) {
    DiagramHistory history;
    history.ResizeHistories(48);
    const auto* live = history.LiveHistory().data();
    const auto* frozen = history.FrozenHistory().data();
    for (int i = 0; i < 1000; ++i) {
        history.PushSample(i);
        history.Freeze();
    }
    EXPECT_EQ(history.LiveHistory().data(), live);
    EXPECT_EQ(history.FrozenHistory().data(), frozen);
}

}  // namespace
}  // namespace tarnwick
