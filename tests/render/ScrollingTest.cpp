#include <gtest/gtest.h>

#include <climits>

#include "render/Scrolling.h"
#include "support/ScriptedShell.h"

namespace {

using platform::ControlId;
using platform::ScrollBarId;
using namespace render;

constexpr Size kClient{640, 480};

Viewport vertical(Viewport from, int code, int32_t thumb = 0, Size client = kClient) {
    return offsetsAfterScroll(from, ScrollBarId::Vertical, code, thumb, client);
}

TEST(PageStep, IsTwoThirdsRoundedDownToTheGrid) {
    EXPECT_EQ(pageStep(480), 320);
    EXPECT_EQ(pageStep(400), 265);
    EXPECT_EQ(pageStep(2), 0);
}

TEST(ScrolledOffset, LineAndPageStepsMoveTheOffset) {
    EXPECT_EQ(scrolledOffset(100, LineDown, 0, 480), 105);
    EXPECT_EQ(scrolledOffset(100, LineUp, 0, 480), 95);
    EXPECT_EQ(scrolledOffset(100, PageDown, 0, 480), 420);
    EXPECT_EQ(scrolledOffset(400, PageUp, 0, 480), 80);
    EXPECT_EQ(scrolledOffset(100, PageUp, 0, 480), 0);
    EXPECT_EQ(scrolledOffset(0, LineUp, 0, 480), 0);
}

TEST(ScrolledOffset, CodesWithTheBitOfFourTakeTheThumbAndOthersKeepTheOffset) {
    for (int code : std::initializer_list<int>{ThumbPosition, ThumbTrack, Top, Bottom, 12, 13}) {
        EXPECT_EQ(scrolledOffset(100, code, 700, 480), 700) << "code " << code;
    }
    for (int code : std::initializer_list<int>{EndScroll, 9, 10, 11}) {
        EXPECT_EQ(scrolledOffset(100, code, 700, 480), 100) << "code " << code;
    }
}

TEST(ScrolledOffset, TheClampKeepsTheViewInsideTheWorkArea) {
    EXPECT_EQ(scrolledOffset(1560, PageDown, 0, 480), 1568);
    EXPECT_EQ(scrolledOffset(0, ThumbTrack, 5000, 480), 1568);
    EXPECT_EQ(scrolledOffset(0, ThumbTrack, -40, 480), 0);
    EXPECT_EQ(scrolledOffset(0, ThumbTrack, INT32_MAX, 480), 1568);
    EXPECT_EQ(scrolledOffset(2040, LineDown, 0, 480), 1568);
}

TEST(ScrolledOffset, AClientLargerThanTheWorkAreaGetsANegativeOffset) {
    EXPECT_EQ(scrolledOffset(0, LineUp, 0, 2100), -52);
    EXPECT_EQ(scrolledOffset(300, PageDown, 0, 2100), -52);
}

TEST(OffsetsAfterScroll, RoundingComesAfterTheClamp) {
    const Viewport after = vertical({0, 1560}, PageDown);
    EXPECT_EQ(after.scrollY, 1570);
    EXPECT_EQ(after.scrollX, 0);
}

TEST(OffsetsAfterScroll, TheThumbPositionRoundsToTheNearestStep) {
    EXPECT_EQ(vertical({0, 0}, ThumbTrack, 1232).scrollY, 1230);
    EXPECT_EQ(vertical({0, 0}, ThumbPosition, 1233).scrollY, 1235);
}

TEST(OffsetsAfterScroll, EndScrollReRoundsBothOffsets) {
    const Viewport after = vertical({13, 22}, EndScroll);
    EXPECT_EQ(after.scrollX, 15);
    EXPECT_EQ(after.scrollY, 20);
}

TEST(OffsetsAfterScroll, TheHorizontalBarMovesXByTheClientWidth) {
    const Viewport after =
        offsetsAfterScroll({1400, 12}, ScrollBarId::Horizontal, PageDown, 0, kClient);
    EXPECT_EQ(after.scrollX, 1410);  // clamped to 2048 - 640 = 1408, then rounded
    EXPECT_EQ(after.scrollY, 10);
}

TEST(OffsetsAfterScroll, AClientLargerThanTheWorkAreaRoundsTheNegativeOffsetTowardZero) {
    EXPECT_EQ(vertical({0, 0}, LineDown, 0, {640, 2100}).scrollY, -50);
    EXPECT_EQ(vertical({0, 0}, LineDown, 0, {640, 2051}).scrollY, 0);
}

TEST(Layout, BarsAndCornerButtonFrameTheWorkArea) {
    ScriptedShell shell;
    layoutScrollBars(shell, kClient);
    layoutCornerButton(shell, kClient);
    EXPECT_EQ(shell.scrollRanges[ScrollBarId::Vertical], std::make_pair(0, 1568));
    EXPECT_EQ(shell.scrollRanges[ScrollBarId::Horizontal], std::make_pair(0, 1408));
    EXPECT_EQ(shell.controls[ControlId::VerticalBar], (Rect{0, 0, 17, 463}));
    EXPECT_EQ(shell.controls[ControlId::HorizontalBar], (Rect{17, 463, 640, 480}));
    EXPECT_EQ(shell.controls[ControlId::CornerButton], (Rect{0, 463, 17, 480}));
}

TEST(Layout, AClientLargerThanTheWorkAreaGetsNegativeRangeMaxima) {
    ScriptedShell shell;
    layoutScrollBars(shell, {2100, 2200});
    EXPECT_EQ(shell.scrollRanges[ScrollBarId::Vertical], std::make_pair(0, -152));
    EXPECT_EQ(shell.scrollRanges[ScrollBarId::Horizontal], std::make_pair(0, -52));
}

TEST(Layout, ATinyClientGetsNoNegativeControlSizes) {
    ScriptedShell shell;
    layoutScrollBars(shell, {10, 5});
    layoutCornerButton(shell, {10, 5});
    EXPECT_EQ(shell.controls[ControlId::VerticalBar], (Rect{0, 0, 17, 0}));
    EXPECT_EQ(shell.controls[ControlId::HorizontalBar], (Rect{17, -12, 17, 5}));
    EXPECT_EQ(shell.controls[ControlId::CornerButton], (Rect{0, -12, 17, 5}));
}

}  // namespace

namespace {

TEST(Layout, TheWorkAreaInvalidatedIsTheClientBetweenTheBars) {
    ScriptedShell shell;
    shell.client = {800, 600};
    shell.invalidateWorkArea(false);
    ASSERT_EQ(shell.invalidations.size(), 1u);
    EXPECT_EQ(shell.invalidations[0].rect, (Rect{17, 0, 800, 583}));
    EXPECT_FALSE(shell.invalidations[0].erase);
}

}  // namespace
