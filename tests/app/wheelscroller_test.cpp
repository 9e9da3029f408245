// The wheel scroller on a clock of the test's own.
#include "app/wheelscroller.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Direction = WheelScroller::Direction;

class WheelScrollerTest : public ::testing::Test {
protected:
    // The rows scrolled by one step at tick `now`.
    std::vector<int> stepAt(quint32 now, Direction direction = Direction::Down) {
        now_ = now;
        std::vector<int> rows;
        scroller.Step(direction, [&](int row) { rows.push_back(row); });
        return rows;
    }

    quint32 now_ = 0;
    WheelScroller scroller{[this] { return now_; }};
};

TEST_F(WheelScrollerTest, ScrollsTheLineCountOneRowAtATimeInTheWheelsDirection) {
    scroller.LineCount = 3;
    EXPECT_EQ(stepAt(1000, Direction::Down), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(scroller.LastTick, 1000u);
    EXPECT_EQ(stepAt(2000, Direction::Up), (std::vector<int>{-1, -1, -1}));
}

TEST_F(WheelScrollerTest, StepsWithinFiveMillisecondsOfTheLastScrollAddNothing) {
    scroller.LineCount = 2;
    EXPECT_EQ(stepAt(1000).size(), 2u);
    EXPECT_TRUE(stepAt(1003).empty());
    EXPECT_TRUE(stepAt(1005).empty());
    // A dropped step does not extend the burst.
    EXPECT_EQ(scroller.LastTick, 1000u);
    EXPECT_EQ(stepAt(1006).size(), 2u);
    EXPECT_EQ(scroller.LastTick, 1006u);
}

TEST_F(WheelScrollerTest, AZeroLineCountScrollsNothingAndKeepsTheLastTick) {
    scroller.LineCount = 0;
    EXPECT_TRUE(stepAt(1000).empty());
    EXPECT_EQ(scroller.LastTick, 0u);
}

TEST_F(WheelScrollerTest, ANegativeLineCountScrollsNothingButStillGates) {
    EXPECT_EQ(scroller.LineCount, -1);  // until the settings are read
    EXPECT_TRUE(stepAt(1000).empty());
    EXPECT_EQ(scroller.LastTick, 1000u);
}

TEST_F(WheelScrollerTest, TheGateHoldsAcrossTheWrapOfTheTickCount) {
    scroller.LineCount = 1;
    EXPECT_EQ(stepAt(0xFFFFFFFEu).size(), 1u);
    EXPECT_TRUE(stepAt(2).empty());  // 4 ms later, past the wrap
    // After the wrap the wheel goes on working.
    EXPECT_EQ(stepAt(10).size(), 1u);
    EXPECT_EQ(scroller.LastTick, 10u);
}

TEST(WheelScrollerClock, TheSystemTickCountIsTheDefaultClock) {
    WheelScroller scroller;
    scroller.LineCount = 1;
    int rows = 0;
    scroller.Step(Direction::Down, [&](int) { ++rows; });
    EXPECT_EQ(rows, 1);
    EXPECT_NE(scroller.LastTick, 0u);
}

}  // namespace
