#include <gtest/gtest.h>

#include "render/WorkArea.h"
#include "support/CircuitBuilder.h"
#include "support/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;
using Placements = std::vector<std::string>;

class WorkAreaPainting : public ::testing::Test {
  protected:
    Placements paint(bool powerOn, Viewport view = {}) {
        canvas = RecordingCanvas{};
        render::paintWorkArea(canvas, circuit,
                              {edit.pendingLogicElement.get(),
                               edit.pendingBlockElement.get(),
                               edit.wireInProgress,
                               nullptr,
                               {},
                               {}},
                              view, powerOn, {0, 0, 640, 480});
        return canvas.bitmapPlacements();
    }

    CCircuit circuit;
    CircuitBuilder build{circuit};
    // What follows the pointer, owned as the editing state owns it.
    struct {
        std::unique_ptr<CLogicElement> pendingLogicElement;
        std::unique_ptr<CBlockElement> pendingBlockElement;
        std::optional<int32_t> wireInProgress;
    } edit;
    RecordingCanvas canvas;
};

TEST_F(WorkAreaPainting, TablesArePaintedLogicThenBlockThenWiresSlotsUpward) {
    build.block(Trigger, 200, 0);
    const int32_t first = build.gate(true, 1, false, 0, 0);
    build.indicator(100, 0);
    build.gate(false, 7, false, 50, 100);
    circuit.logicElements[1].reset();  // the indicator's slot is skipped
    build.wire(LogicElement, first, 9, Trigger, 0, 0);

    EXPECT_EQ(paint(false), (Placements{"112@0,0", "119@22,13", "123@16,2", "108@50,100",
                                        "119@72,118", "121@66,102", "116@200,0"}));
    // The wire comes after the last bitmap.
    const auto& calls = canvas.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().op, Op::LineTo);
    EXPECT_EQ(canvas.lines().size(), 1u);
}

TEST_F(WorkAreaPainting, ThePendingElementComesFirstAndIsNeverPowered) {
    build.gate(true, 2, true, 100, 100);
    edit.pendingLogicElement = std::make_unique<CLogicElement>(true, 2, true);
    edit.pendingLogicElement->setPosition(300, 300);

    EXPECT_EQ(paint(true), (Placements{"102@300,300", "120@322,313", "123@316,302", "102@100,100",
                                       "120@122,113", "123@116,102", "130@125,106"}));
}

TEST_F(WorkAreaPainting, APendingIndicatorShowsNoNumberWhilePlacedOnesDo) {
    build.indicator(0, 0);
    edit.pendingLogicElement = std::make_unique<CLogicElement>(Indicator);
    paint(true);
    EXPECT_EQ(canvas.callsOf(Op::Text).size(), 1u);
    EXPECT_EQ(canvas.bitmapPlacements().size(), 2u);
}

TEST_F(WorkAreaPainting, OnlyOneItemFollowsThePointerAndALogicElementGoesBeforeABlock) {
    edit.pendingLogicElement = std::make_unique<CLogicElement>(Indicator);
    edit.pendingBlockElement = std::make_unique<CBlockElement>(EntrSignal);
    EXPECT_EQ(paint(true), (Placements{"134@0,0"}));

    edit.pendingLogicElement.reset();
    edit.pendingBlockElement->pins[9].value = 1;
    EXPECT_EQ(paint(true), (Placements{"115@0,0"}));
}

TEST_F(WorkAreaPainting, TheWireInProgressIsDrawnFirstAndAgainInItsSlot) {
    const int32_t gate = build.gate(true, 2, false, 0, 0);
    build.wire(LogicElement, gate, 9, LogicElement, gate, 0, {{30, 15}, {40, 15}, {40, 5}, {0, 5}});
    const int32_t inProgress = build.stub(LogicElement, gate, 4, {0, 60});
    edit.wireInProgress = inProgress;
    paint(false);
    const auto lines = canvas.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], lines[4]);
    EXPECT_EQ(lines[0].from, (Point{0, 25}));
    // Its free end is circled both times.
    EXPECT_EQ(canvas.callsOf(Op::Ellipse).size(), 2u);
}

TEST_F(WorkAreaPainting, AWireInProgressNamingAnEmptySlotIsIgnored) {
    edit.wireInProgress = 12;
    paint(true);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(WorkAreaPainting, TheViewportReachEveryLayer) {
    build.block(GTI, 100, 100);
    edit.pendingBlockElement = std::make_unique<CBlockElement>(Summer);
    edit.pendingBlockElement->setPosition(500, 500);
    EXPECT_EQ(paint(true, {100, 50}), (Placements{"118@400,450", "133@0,50", "131@21,51"}));
}

}  // namespace
