#include <gtest/gtest.h>

#include <algorithm>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "render/Scrolling.h"
#include "support/RecordingCanvas.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"
#include "support/WindowCircuit.h"

namespace {

using platform::ControlId;
using platform::ScrollBarId;

TEST(WindowMessagesTest, ResizePlacesTheControlsAndSetsTheRangesOfBothDirections) {
    ScriptedShell shell;
    shell.client = {500, 400};
    CVortafrm window(shell);
    window.OnSize(500, 400);
    EXPECT_EQ(shell.controls[ControlId::VerticalBar], (Rect{0, 0, 17, 383}));
    EXPECT_EQ(shell.controls[ControlId::HorizontalBar], (Rect{17, 383, 500, 400}));
    EXPECT_EQ(shell.controls[ControlId::CornerButton], (Rect{0, 383, 17, 400}));
    EXPECT_EQ(shell.scrollRanges[ScrollBarId::Vertical], std::make_pair(0, 2048 - 400));
    EXPECT_EQ(shell.scrollRanges[ScrollBarId::Horizontal], std::make_pair(0, 2048 - 500));
    EXPECT_TRUE(shell.invalidations.empty());
}

TEST(WindowMessagesTest, EachScrollMessageMovesItsOwnOffsetSetsItsThumbAndRepaints) {
    ScriptedShell shell;
    CVortafrm window(shell);
    window.OnVScroll(render::LineDown, 0);
    EXPECT_EQ(window.viewport().scrollY, 5);
    EXPECT_EQ(window.viewport().scrollX, 0);
    EXPECT_EQ(shell.scrollPositions[ScrollBarId::Vertical], 5);
    EXPECT_EQ(shell.workAreaInvalidations(true), 1);

    window.OnHScroll(render::ThumbTrack, 1233);
    EXPECT_EQ(window.viewport().scrollX, 1235);
    EXPECT_EQ(window.viewport().scrollY, 5);
    EXPECT_EQ(shell.scrollPositions[ScrollBarId::Horizontal], 1235);
    EXPECT_EQ(shell.scrollPositions[ScrollBarId::Vertical], 5);

    // Page steps follow the client extent of their own direction (480 high: 320).
    window.OnVScroll(render::ThumbPosition, 1560);
    window.OnVScroll(render::PageDown, 0);
    EXPECT_EQ(window.viewport().scrollY, 1570);
    window.OnHScroll(render::PageUp, 0);
    EXPECT_EQ(window.viewport().scrollX, 1235 - 425);
    EXPECT_EQ(shell.workAreaInvalidations(true), 5);
    EXPECT_EQ(shell.workAreaInvalidations(false), 0);
}

int digitsDrawn(const RecordingCanvas& canvas) {
    const auto bitmaps = canvas.callsOf(RecordingCanvas::Op::Bitmap);
    return static_cast<int>(std::count_if(bitmaps.begin(), bitmaps.end(), [](const auto& call) {
        return call.id == bitmap::DigitOne || call.id == bitmap::DigitZero;
    }));
}

TEST(WindowMessagesTest, PaintShowsLevelsOnlyWhileThePowerIsOn) {
    ScriptedShell shell;
    CVortafrm window(shell);
    giveSampleCircuit(window);

    RecordingCanvas unpowered;
    window.OnPaint(unpowered);
    EXPECT_EQ(digitsDrawn(unpowered), 0);
    EXPECT_TRUE(unpowered.callsOf(RecordingCanvas::Op::Text).empty());

    window.OnCommand(command::PowerOn);
    RecordingCanvas powered;
    window.OnPaint(powered);
    // Signal, inverter and generator show one digit each, the trigger two.
    EXPECT_EQ(digitsDrawn(powered), 5);
    const auto texts = powered.callsOf(RecordingCanvas::Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "00");

    // Scrolled by (20, 10), everything is drawn shifted by that much.
    window.OnHScroll(render::ThumbPosition, 20);
    window.OnVScroll(render::ThumbPosition, 10);
    RecordingCanvas scrolled;
    window.OnPaint(scrolled);
    const auto before = powered.callsOf(RecordingCanvas::Op::Bitmap);
    const auto after = scrolled.callsOf(RecordingCanvas::Op::Bitmap);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].rect.left, before[i].rect.left - 20);
        EXPECT_EQ(after[i].rect.top, before[i].rect.top - 10);
    }
}

}  // namespace
