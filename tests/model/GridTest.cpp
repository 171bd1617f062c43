#include <gtest/gtest.h>

#include "model/Grid.h"

TEST(SnapToGrid, NonNegativeValuesGoToTheNearestMultipleOfFive) {
    EXPECT_EQ(snapToGrid(0), 0);
    EXPECT_EQ(snapToGrid(10), 10);
    EXPECT_EQ(snapToGrid(12), 10);
    EXPECT_EQ(snapToGrid(13), 15);
    EXPECT_EQ(snapToGrid(14), 15);
    EXPECT_EQ(snapToGrid(1568), 1570);
    EXPECT_EQ(snapToGrid(1232), 1230);
    EXPECT_EQ(snapToGrid(1233), 1235);
}

TEST(SnapToGrid, NegativeValuesMoveTowardZero) {
    EXPECT_EQ(snapToGrid(-3), 0);
    EXPECT_EQ(snapToGrid(-2), 0);
    EXPECT_EQ(snapToGrid(-4), 0);
    EXPECT_EQ(snapToGrid(-8), -5);
    EXPECT_EQ(snapToGrid(-352), -350);
}

TEST(SnapToGrid, ExtremesDoNotOverflow) {
    EXPECT_EQ(snapToGrid(INT32_MAX), INT32_MAX - 2);
    EXPECT_EQ(snapToGrid(INT32_MAX - 3), INT32_MAX - 2);
    EXPECT_EQ(snapToGrid(INT32_MIN), INT32_MIN + 3);
}
