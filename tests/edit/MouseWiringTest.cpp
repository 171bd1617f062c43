#include "GestureFixture.h"

namespace {

// An input signal at (100, 100), its output pin 9 at (125, 110), and a one-input gate
// at (200, 100) whose input pin 2 sits at (200, 115).
class MouseWiringTest : public GestureFixture {
  protected:
    void SetUp() override {
        signal = build.block(EntrSignal, 100, 100);
        gate = build.gate(false, 1, true, 200, 100);
    }
    // A click on the signal choosing pin 9, then the pointer moving away.
    int32_t startAtSignal(int32_t x = 160, int32_t y = 140) {
        shell.pinAnswers.push_back(9);
        click(110, 110);
        EXPECT_TRUE(state.wireInProgress);
        move(x, y);
        return state.wireInProgress.value_or(-1);
    }
    int32_t signal = 0, gate = 0;
};

TEST_F(MouseWiringTest, StartBendAndFinishOnAPin) {
    const int32_t w = startAtSignal();
    EXPECT_EQ(wireAt(w).points, (std::vector<Point>{{125, 110}, {130, 110}}));
    EXPECT_EQ(endOf(w, 1).position(), (Point{160, 140}));
    expectSoundLinks();

    click(160, 140);
    EXPECT_EQ(wireAt(w).points.back(), (Point{130, 140}));
    shell.pinAnswers.push_back(2);
    click(210, 110);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(endOf(w, 1), (WireEnd{200, 115, LogicElement, gate, 2}));
    EXPECT_TRUE(blockAt(signal).pins[9].connected);
    EXPECT_TRUE(gateAt(gate).pins[2].connected);
    EXPECT_TRUE(noHitLists());
    expectSoundLinks();
}

TEST_F(MouseWiringTest, RubberBandRepaintsAroundTheLastPointTheOldEndAndThePointer) {
    const int32_t w = startAtSignal(160, 140);
    shell.clearRecords();
    move(140, 180);
    EXPECT_EQ(endOf(w, 1).position(), (Point{140, 180}));
    ASSERT_EQ(shell.invalidations.size(), 1u);
    EXPECT_EQ(shell.invalidations[0].rect, (Rect{80, 60, 210, 230}));
}

TEST_F(MouseWiringTest, CancelledPinChoiceWhileDrawingAddsABend) {
    const int32_t w = startAtSignal(160, 140);
    click(160, 140);
    shell.pinAnswers.push_back(std::nullopt);
    click(210, 120);
    EXPECT_EQ(shell.pinRequests.size(), 2u);
    EXPECT_EQ(state.wireInProgress, w);
    EXPECT_EQ(wireAt(w).points,
              (std::vector<Point>{{125, 110}, {130, 110}, {130, 140}, {210, 140}}));
}

TEST_F(MouseWiringTest, DoubleClickLeavesEndOneFreeAtThePointerAndItCanBeContinued) {
    const int32_t w = startAtSignal(160, 140);
    move(160, 200);
    doubleClick(160, 200);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(endOf(w, 1), (WireEnd{160, 200, kLinkNone, 0, 0}));
    EXPECT_EQ(wireAt(w).points.back(), (Point{160, 200}));
    EXPECT_TRUE(blockAt(signal).pins[9].connected);
    expectSoundLinks();

    click(162, 198);
    ASSERT_TRUE(state.continuedEnd);
    EXPECT_EQ(*state.continuedEnd, (WireEndRef{w, 1}));
    EXPECT_EQ(wireAt(w).points.back(), (Point{160, 200})) << "picking up adds no point";
    move(180, 250);
    EXPECT_EQ(endOf(w, 1).position(), (Point{180, 250}));
    shell.pinAnswers.push_back(2);
    click(210, 110);
    EXPECT_FALSE(state.continuedEnd);
    EXPECT_EQ(endOf(w, 1).kind, LogicElement);
    EXPECT_TRUE(gateAt(gate).pins[2].connected);
    expectSoundLinks();
}

TEST_F(MouseWiringTest, ClickOnAnotherWireJoinsOntoIt) {
    const int32_t display = build.indicator(400, 100);
    const int32_t target = build.wire(LogicElement, gate, 9, Indicator, display, 0,
                                      {{230, 115}, {300, 115}, {300, 105}, {400, 105}});
    const int32_t w = startAtSignal(260, 115);
    click(260, 115);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(endOf(w, 1), (WireEnd{260, 115, kLinkWire, target, 2}));
    ASSERT_EQ(wireAt(target).ends.size(), 3u);
    EXPECT_EQ(endOf(target, 2), (WireEnd{260, 115, kLinkWire, w, 1}));
    expectSoundLinks();
}

TEST_F(MouseWiringTest, HeldEndIsPutDownByADoubleClick) {
    const int32_t w = build.stub(EntrSignal, signal, 9, {160, 200});
    click(160, 200);
    ASSERT_TRUE(state.continuedEnd);
    move(160, 250);
    doubleClick(160, 250);
    EXPECT_FALSE(state.continuedEnd);
    EXPECT_EQ(endOf(w, 1), (WireEnd{160, 250, kLinkNone, 0, 0}));
    EXPECT_EQ(wireAt(w).points.back(), (Point{160, 250}));
    expectSoundLinks();
}

TEST_F(MouseWiringTest, ClickOnEmptySpaceWithNothingNearDoesNothing) {
    click(500, 400);
    EXPECT_FALSE(state.continuedEnd || state.wireInProgress);
    EXPECT_TRUE(shell.invalidations.empty());
    EXPECT_EQ(circuit.wire(0), nullptr);
}

class MouseRightButtonTest : public MouseWiringTest {};

TEST_F(MouseRightButtonTest, DiscardsAPendingElementWithoutDeletingWhatLiesBelow) {
    state.pendingLogicElement = std::make_unique<CLogicElement>(Indicator);
    rightClick(210, 110);
    EXPECT_FALSE(state.pendingLogicElement);
    EXPECT_NE(circuit.logicElement(gate), nullptr);
    EXPECT_TRUE(shell.deleteAnchors.empty());
    EXPECT_EQ(shell.workAreaInvalidations(true), 1);
}

TEST_F(MouseRightButtonTest, WireInProgressLosesItsLastBendThenGoes) {
    const int32_t w = startAtSignal(160, 140);
    click(160, 140);
    ASSERT_EQ(wireAt(w).points.size(), 3u);
    rightClick(160, 140);
    EXPECT_EQ(wireAt(w).points.size(), 2u);
    EXPECT_EQ(state.wireInProgress, w);
    rightClick(160, 140);
    EXPECT_EQ(circuit.wire(w), nullptr);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_FALSE(blockAt(signal).pins[9].connected);
    expectSoundLinks();
}

TEST_F(MouseRightButtonTest, HeldEndRetractsThenTheWireGoes) {
    const int32_t w = build.stub(EntrSignal, signal, 9, {160, 200});
    wireAt(w).points = {{125, 110}, {130, 110}, {130, 200}, {160, 200}};
    click(160, 200);
    ASSERT_TRUE(state.continuedEnd);
    rightClick(170, 220);
    EXPECT_EQ(wireAt(w).points, (std::vector<Point>{{125, 110}, {130, 110}, {130, 200}}));
    rightClick(170, 220);
    rightClick(170, 220);
    EXPECT_EQ(circuit.wire(w), nullptr);
    EXPECT_FALSE(state.continuedEnd);
    EXPECT_FALSE(blockAt(signal).pins[9].connected);
    expectSoundLinks();
}

TEST_F(MouseRightButtonTest, DeletesTheElementUnderThePointerAfterConfirmation) {
    shell.deleteAnswers.push_back(true);
    rightClick(210, 110);
    EXPECT_EQ(circuit.logicElement(gate), nullptr);
    EXPECT_EQ(shell.deleteAnchors, (std::vector<Point>{{210, 110}}));
    EXPECT_TRUE(noHitLists());
}

}  // namespace
