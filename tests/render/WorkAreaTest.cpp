#include <gtest/gtest.h>

#include "render/GroupDrawing.h"
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

// A chosen element is framed 2 pixels off its rectangle, the wires that go with the
// choice are drawn in the frames' colour and the others not, the band is framed,
// and a pasted group is drawn over the circuit, at the scroll offsets.
TEST_F(WorkAreaPainting, TheChoiceIsFramedItsWiresColouredAndAPastedGroupDrawnOnTop) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t other = build.gate(true, 2, false, 200, 100);
    build.wire(LogicElement, gate, kOutputPin, LogicElement, other, 0);
    build.wire(LogicElement, gate, kOutputPin, LogicElement, other, 4);
    CCircuit group;
    CircuitBuilder{group}.indicator(400, 300);
    render::PointerItems items;
    items.pendingGroup = &group;
    items.chosen = {{100, 100, 130, 130}};
    items.band = Rect{90, 90, 140, 150};
    items.chosenWires = {1};
    render::paintWorkArea(canvas, circuit, items, {10, 20}, false, {0, 0, 640, 480});
    const platform::Pen choice{1, render::kChoiceColor};
    std::vector<RecordingCanvas::Line> framed;
    for (const RecordingCanvas::Line& line : canvas.lines())
        if (line.pen == choice) framed.push_back(line);
    ASSERT_GE(framed.size(), 9u) << "the chosen wire, the frame and the band";
    const std::vector<RecordingCanvas::Line> frames(framed.end() - 8, framed.end());
    EXPECT_EQ(frames[0].from, (Point{88, 78}));
    EXPECT_EQ(frames[1].to, (Point{122, 112}));
    EXPECT_EQ(frames[4].from, (Point{80, 70}));
    EXPECT_EQ(frames[5].to, (Point{130, 130}));
    const std::vector<std::string> placements = canvas.bitmapPlacements();
    ASSERT_FALSE(placements.empty());
    EXPECT_EQ(placements.back().substr(placements.back().find('@')), "@390,280")
        << "the pasted indicator last, over the circuit";
    const size_t wireLines = canvas.lines().size() - framed.size();
    EXPECT_GT(wireLines, 0u) << "the wire left out of the choice keeps the plain pen";
}

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
