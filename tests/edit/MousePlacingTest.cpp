#include "GestureFixture.h"
#include "edit/Insertion.h"

namespace {

using platform::MK_CONTROL;
using platform::MK_LBUTTON;
using platform::MK_SHIFT;

class MousePlacingTest : public GestureFixture {};

TEST_F(MousePlacingTest, PendingElementFollowsThePointerAndIsPlacedByAClick) {
    context.viewport = {100, 0};
    edit::insertElement(context, Indicator, Point{40, 40});
    shell.clearRecords();
    move(63, 72);
    ASSERT_TRUE(state.pendingLogicElement);
    EXPECT_EQ((Point{state.pendingLogicElement->x, state.pendingLogicElement->y}),
              (Point{165, 70}));
    ASSERT_EQ(shell.invalidations.size(), 1u);
    EXPECT_EQ(shell.invalidations[0].rect, (Rect{40, 40, 115, 100}));

    shell.clearRecords();
    click(200, 200);
    EXPECT_FALSE(state.pendingLogicElement);
    ASSERT_NE(circuit.logicElement(0), nullptr);
    EXPECT_EQ((Point{gateAt(0).x, gateAt(0).y}), (Point{165, 70})) << "placed where it was drawn";
    EXPECT_TRUE(shell.invalidations.empty());
    EXPECT_TRUE(shell.log.empty()) << "the placing click does nothing else";
}

TEST_F(MousePlacingTest, LogicElementIsServedBeforeTheWaitingBlockElement) {
    edit::insertElement(context, Summer, Point{40, 40});
    edit::insertElement(context, Indicator, Point{40, 40});
    move(100, 100);
    EXPECT_EQ(state.pendingBlockElement->x, 40) << "frozen while the logic element waits";
    click(100, 100);
    EXPECT_NE(circuit.logicElement(0), nullptr);
    EXPECT_EQ(circuit.blockElement(0), nullptr);
    move(200, 100);
    click(200, 100);
    ASSERT_NE(circuit.blockElement(0), nullptr);
    EXPECT_EQ(blockAt(0).x, 200);
    EXPECT_FALSE(state.pendingBlockElement);
}

TEST_F(MousePlacingTest, FullTableSaysSoAndKeepsTheElementPending) {
    for (int i = 0; i < CCircuit::kLogicSlots; ++i) build.indicator(400, 400);
    for (int i = 0; i < CCircuit::kBlockSlots; ++i) build.block(Summer, 400, 400);
    edit::insertElement(context, Trigger, Point{40, 40});
    click(100, 100);
    edit::insertElement(context, Indicator, Point{40, 40});
    click(100, 100);
    ASSERT_EQ(shell.messageBoxes.size(), 2u);
    EXPECT_EQ(shell.messageBoxes[0].text,
              "Невозможно зарегистрировать элемент.\nВозможно создано предельное их количество");
    EXPECT_EQ(shell.messageBoxes[1].text,
              "Невозможно зарегистрировать логический элемент.\n"
              "Возможно создано предельное их количество");
    for (const auto& box : shell.messageBoxes) {
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.style, platform::MessageBoxStyle::Ok);
    }
    ASSERT_TRUE(state.pendingLogicElement);
    ASSERT_TRUE(state.pendingBlockElement);
    move(300, 300);
    EXPECT_EQ(state.pendingLogicElement->x, 300);
}

TEST_F(MousePlacingTest, OverlappingElementsCountAsNoElement) {
    build.gate(true, 2, false, 100, 100);
    build.gate(true, 2, false, 110, 100);
    click(115, 110);
    EXPECT_TRUE(shell.log.empty());
    EXPECT_FALSE(state.wireInProgress || state.continuedEnd);
    EXPECT_EQ(circuit.wire(0), nullptr);
    EXPECT_TRUE(noHitLists());
}

// A gate with a wire from its output to an indicator, dragged by the body.
class DragTest : public GestureFixture {
  protected:
    void SetUp() override {
        gate = build.gate(true, 2, false, 100, 100);
        display = build.indicator(300, 100);
        output = build.wire(LogicElement, gate, 9, Indicator, display, 0);
    }
    Point gatePosition() { return {gateAt(gate).x, gateAt(gate).y}; }
    int32_t gate = 0, display = 0, output = 0;
};

TEST_F(DragTest, ShiftDragGoesOnAfterShiftIsReleasedAndEndsAtTheButtonRelease) {
    press(110, 110, MK_SHIFT | MK_LBUTTON);
    EXPECT_EQ(gatePosition(), (Point{100, 100})) << "the press alone moves nothing";
    move(203, 152, MK_LBUTTON);
    EXPECT_EQ(gatePosition(), (Point{205, 150}));
    EXPECT_EQ(endOf(output, 0).position(), (Point{235, 165})) << "the wire end follows pin 9";
    EXPECT_EQ(wireAt(output).points.front(), (Point{130, 115})) << "points are not re-routed";
    EXPECT_EQ(gateAt(gate).drawState, 0);
    release(203, 152);
    EXPECT_TRUE(noHitLists());
    move(250, 250, MK_LBUTTON);
    EXPECT_EQ(gatePosition(), (Point{205, 150}));
    expectSoundLinks();
}

TEST_F(DragTest, ShiftAloneKeepsTheDragGoingWithoutTheButton) {
    press(110, 110, MK_SHIFT | MK_LBUTTON);
    move(150, 50, MK_SHIFT);
    EXPECT_EQ(gatePosition(), (Point{150, 50}));
    EXPECT_GE(shell.workAreaInvalidations(true), 1);
    release(150, 50);
    move(10, 10, MK_SHIFT);
    EXPECT_EQ(gatePosition(), (Point{150, 50}));
}

TEST_F(DragTest, ShiftPressOnEmptySpaceMovesNothing) {
    press(500, 400, MK_SHIFT | MK_LBUTTON);
    move(120, 120, MK_SHIFT | MK_LBUTTON);
    EXPECT_EQ(gatePosition(), (Point{100, 100}));
    EXPECT_EQ(gateAt(display).x, 300);
    EXPECT_TRUE(shell.invalidations.empty());
}

TEST_F(DragTest, LogicElementMovesWhenTheShiftPressHitBothTables) {
    const int32_t summer = build.block(Summer, 105, 105);
    press(110, 110, MK_SHIFT | MK_CONTROL | MK_LBUTTON);
    EXPECT_TRUE(shell.log.empty()) << "Shift wins over Ctrl";
    move(50, 300, MK_LBUTTON);
    EXPECT_EQ(gatePosition(), (Point{50, 300}));
    EXPECT_EQ(blockAt(summer).x, 105);
}

TEST_F(DragTest, ScrolledDragPutsTheElementUnderThePointer) {
    context.viewport = {500, 200};
    press(-390, -90, MK_SHIFT | MK_LBUTTON);
    move(12, 13, MK_LBUTTON);
    EXPECT_EQ(gatePosition(), (Point{510, 215}));
}

class CtrlClickTest : public GestureFixture {};

TEST_F(CtrlClickTest, ChangesTheOneElementUnderThePointer) {
    const int32_t signal = build.block(EntrSignal, 100, 100);
    shell.questionAnswers.push_back(true);
    click(110, 110, MK_CONTROL | MK_LBUTTON);
    EXPECT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(blockAt(signal).pins[9].value, 1);
    EXPECT_TRUE(noHitLists());

    const int32_t gate = build.gate(true, 2, false, 200, 100);
    shell.questionAnswers.push_back(true);
    shell.logicElementAnswers.push_back(LogicElementParams{false, 3, true});
    click(210, 110, MK_CONTROL | MK_LBUTTON);
    EXPECT_EQ(gateAt(gate).inputCount, 3);
    EXPECT_EQ(gateAt(gate).drawState, 0);
    EXPECT_TRUE(noHitLists());
}

TEST_F(CtrlClickTest, IndicatorSummerAndOverlapsAreLeftAlone) {
    build.indicator(100, 100);
    build.block(Summer, 300, 100);
    build.gate(true, 2, false, 500, 100);
    build.block(EntrSignal, 510, 110);
    click(110, 110, MK_CONTROL | MK_LBUTTON);
    click(310, 110, MK_CONTROL | MK_LBUTTON);
    click(515, 115, MK_CONTROL | MK_LBUTTON);
    EXPECT_TRUE(shell.log.empty());
    EXPECT_TRUE(noHitLists());
}

}  // namespace
