#include "edit/GridWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using edit::GridWalk;

// Every position of the walk, stepped one at a time as the hit test's walk would.
std::vector<Point> positionsOf(Point from, Point to) {
    std::vector<Point> out{from};
    auto toward = [](int32_t v, int32_t target) { return v + std::clamp(target - v, -5, 5); };
    for (Point p = from; p != to && out.size() < 10000;) {
        p = {toward(p.x, to.x), toward(p.y, to.y)};
        out.push_back(p);
    }
    return out;
}

// The walk's arithmetic agrees with stepping: it arrives after stepCount steps, and
// every passed position is found at the step where the walk first stands on it.
void expectMatchesStepping(Point from, Point to) {
    SCOPED_TRACE(::testing::Message()
                 << "from " << from.x << "," << from.y << " to " << to.x << "," << to.y);
    const GridWalk walk(from, to);
    const std::vector<Point> positions = positionsOf(from, to);
    ASSERT_EQ(positions.back(), to);
    EXPECT_EQ(walk.stepCount(), static_cast<int64_t>(positions.size()) - 1);
    for (size_t step = 0; step < positions.size(); ++step)
        EXPECT_EQ(walk.stepOf(positions[step]), static_cast<int64_t>(step));
}

TEST(GridWalkTest, ArrivesOnEveryKindOfSegment) {
    expectMatchesStepping({100, 100}, {150, 100});  // right
    expectMatchesStepping({150, 200}, {150, 100});  // up
    expectMatchesStepping({0, 0}, {-40, 40});       // diagonal
    expectMatchesStepping({80, 100}, {100, 150});   // slanted
    expectMatchesStepping({3, 7}, {24, -11});       // off the grid
    expectMatchesStepping({10, 10}, {10, 10});      // no length
}

TEST(GridWalkTest, PositionsOffTheWalkAreNeverFound) {
    const GridWalk slanted({80, 100}, {100, 150});
    EXPECT_EQ(slanted.stepOf({80, 105}), std::nullopt);   // beside the start
    EXPECT_EQ(slanted.stepOf({100, 155}), std::nullopt);  // past the end
    EXPECT_EQ(slanted.stepOf({95, 130}), std::nullopt);   // x has long arrived
    const GridWalk offGrid({3, 0}, {24, 0});
    EXPECT_EQ(offGrid.stepOf({10, 0}), std::nullopt);  // 3, 8, 13, ... never 10
    EXPECT_EQ(offGrid.stepOf({24, 0}), 5);
}

TEST(GridWalkTest, FarPointsNeedNoWalking) {
    const GridWalk far({-2000000000, 0}, {2000000000, 0});
    EXPECT_EQ(far.stepCount(), 800000000);
    EXPECT_EQ(far.stepOf({0, 0}), 400000000);
    EXPECT_EQ(far.stepOf({2000000000, 0}), 800000000);
}

}  // namespace
