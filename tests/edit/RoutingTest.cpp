#include "edit/Routing.h"

#include "edit/BendPoints.h"
#include "edit/HitTest.h"
#include "edit/PinChoice.h"
#include "tests/edit/GestureFixture.h"

namespace {

using edit::abandonWire;
using edit::addBendPoint;
using edit::attachHeldEndToPin;
using edit::putDownHeldEnd;
using edit::startOrFinishAtPin;
using Points = std::vector<Point>;

class RoutingTest : public GestureFixture {
  protected:
    // A wire started on the pin and given its stub, as the first click leaves it.
    int32_t startAt(ElementKind kind, int32_t slot, int pin) {
        shell.pinAnswers.push_back(pin);
        EXPECT_TRUE(startOrFinishAtPin(context, kind, slot));
        EXPECT_TRUE(state.wireInProgress.has_value());
        const int32_t wire = state.wireInProgress.value_or(0);
        addBendPoint(context, wire, 1, {0, 0});
        expectSoundLinks();
        return wire;
    }
};

TEST_F(RoutingTest, StubLeavesAnInputLeftward) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t wire = startAt(LogicElement, gate, 0);
    EXPECT_EQ(endOf(wire, 0), (WireEnd{100, 105, LogicElement, gate, 0}));
    EXPECT_EQ(endOf(wire, 1), WireEnd{});
    EXPECT_EQ(wireAt(wire).points, (Points{{100, 105}, {95, 105}}));
    EXPECT_FALSE(gateAt(gate).pins[0].connected);  // linked only at the finish
    EXPECT_EQ(shell.workAreaInvalidations(true), 2);
}

TEST_F(RoutingTest, StubLeavesAnOutputRightward) {
    const int32_t trigger = build.block(Trigger, 200, 100);
    const int32_t wire = startAt(Trigger, trigger, 9);
    EXPECT_EQ(endOf(wire, 0), (WireEnd{240, 110, Trigger, trigger, 9}));
    EXPECT_EQ(wireAt(wire).points, (Points{{240, 110}, {245, 110}}));
}

TEST_F(RoutingTest, PinChoiceShowsTheElementAsItIs) {
    const int32_t gate = build.gate(true, 2, true, 0, 0);
    const int32_t orGate = build.gate(false, 7, false, 50, 0);
    const int32_t indicator = build.indicator(100, 0);
    const int32_t trigger = build.block(Trigger, 200, 0);
    build.stub(LogicElement, gate, 4, {95, 125});
    for (auto [kind, slot] : {std::pair{LogicElement, gate}, std::pair{LogicElement, orGate},
                              std::pair{Indicator, indicator}, std::pair{Trigger, trigger}}) {
        shell.pinAnswers.push_back(std::nullopt);
        EXPECT_FALSE(startOrFinishAtPin(context, kind, slot));
    }
    ASSERT_EQ(shell.pinRequests.size(), 4u);
    const platform::PinChoiceRequest& andGate = shell.pinRequests[0];
    EXPECT_EQ(andGate.pins[4].connected, 1);
    EXPECT_EQ(andGate.pins[1].present, 0);
    EXPECT_EQ(andGate.bodyBitmap, bitmap::Gate2);
    EXPECT_EQ((Size{andGate.width, andGate.height}), (Size{30, 30}));
    EXPECT_EQ(andGate.outputBitmap, bitmap::OutputInverted);
    EXPECT_EQ(andGate.symbolBitmap, bitmap::GlyphAnd);
    EXPECT_EQ(shell.pinRequests[1].symbolBitmap, bitmap::GlyphOr);
    EXPECT_EQ(shell.pinRequests[1].outputBitmap, bitmap::OutputPlain);
    EXPECT_EQ(shell.pinRequests[1].height, 40);
    const platform::PinChoiceRequest& shown = shell.pinRequests[2];
    EXPECT_EQ(std::tuple(shown.bodyBitmap, shown.width, shown.outputBitmap, shown.symbolBitmap),
              std::tuple(bitmap::IndicatorBody, 50, 0, 0));
    const platform::PinChoiceRequest& block = shell.pinRequests[3];
    EXPECT_EQ(std::tuple(block.bodyBitmap, block.width, block.outputBitmap, block.symbolBitmap),
              std::tuple(bitmap::TriggerBody, 40, 0, 0));
    EXPECT_EQ(block.pins[10].present, 1);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(shell.workAreaInvalidations(true), 0);
    expectSoundLinks();
}

TEST_F(RoutingTest, NoWireStartsWithoutAPinOrWithAFullTable) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    EXPECT_FALSE(startOrFinishAtPin(context, LogicElement, gate));  // dialog cancelled
    EXPECT_FALSE(startOrFinishAtPin(context, LogicElement, 7));     // empty slot: no dialog
    EXPECT_EQ(shell.pinRequests.size(), 1u);
    while (circuit.registerWire()) {
    }
    shell.clearRecords();
    shell.pinAnswers.push_back(0);
    EXPECT_FALSE(startOrFinishAtPin(context, LogicElement, gate));
    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text,
              "Невозможно зарегистрировать проводник.\nВозможно создано предельное их количество");
    EXPECT_EQ(shell.messageBoxes[0].caption, "");
    EXPECT_FALSE(state.wireInProgress);
}

TEST_F(RoutingTest, PinTheElementCannotTakeIsNoChoice) {
    // A desktop whose dialog lets any pin through.
    struct CarelessShell : ScriptedShell {
        int answer = 0;
        std::optional<int> pinChoiceDialog(const platform::PinChoiceRequest&) override {
            return answer;
        }
    } careless;
    edit::EditContext lenient{circuit, state, careless, {}, simulation};
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    build.stub(LogicElement, gate, 4, {95, 125});
    for (int pin : {4, 3, 11, -1}) {
        careless.answer = pin;
        EXPECT_FALSE(startOrFinishAtPin(lenient, LogicElement, gate)) << pin;
    }
    EXPECT_FALSE(state.wireInProgress);
    expectSoundLinks();
}

TEST_F(RoutingTest, FinishingLinksBothPinsAndClosesThePolyline) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t trigger = build.block(Trigger, 200, 100);
    const int32_t wire = startAt(LogicElement, gate, 9);
    shell.pinAnswers.push_back(0);
    EXPECT_TRUE(startOrFinishAtPin(context, Trigger, trigger));
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(endOf(wire, 1), (WireEnd{200, 105, Trigger, trigger, 0}));
    EXPECT_EQ(wireAt(wire).points, (Points{{130, 115}, {135, 115}, {135, 105}, {200, 105}}));
    const Pin& start = gateAt(gate).pins[9];
    const Pin& finish = blockAt(trigger).pins[0];
    EXPECT_EQ(std::tuple(start.connected, start.linkKind, start.wireIndex, start.wireEnd),
              std::tuple(1, kLinkWire, wire, 0));
    EXPECT_EQ(std::tuple(finish.connected, finish.linkKind, finish.wireIndex, finish.wireEnd),
              std::tuple(1, kLinkWire, wire, 1));
    expectSoundLinks();
}

TEST_F(RoutingTest, FinishingOnTheStartingPinDeletesTheWire) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t wire = startAt(LogicElement, gate, 0);
    shell.pinAnswers.push_back(0);
    EXPECT_FALSE(startOrFinishAtPin(context, LogicElement, gate));
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(circuit.wire(wire), nullptr);
    EXPECT_FALSE(gateAt(gate).pins[0].connected);
    expectSoundLinks();
    // Another pin of the same element is a finish like any other.
    const int32_t again = startAt(LogicElement, gate, 0);
    EXPECT_EQ(again, wire);
    shell.pinAnswers.push_back(4);
    EXPECT_TRUE(startOrFinishAtPin(context, LogicElement, gate));
    EXPECT_TRUE(gateAt(gate).pins[0].connected && gateAt(gate).pins[4].connected);
    expectSoundLinks();
}

TEST_F(RoutingTest, CancelledFinishKeepsDrawing) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t wire = startAt(LogicElement, gate, 9);
    shell.pinAnswers.push_back(std::nullopt);
    EXPECT_FALSE(startOrFinishAtPin(context, LogicElement, gate));
    EXPECT_EQ(state.wireInProgress, wire);
    EXPECT_EQ(endOf(wire, 1).kind, kLinkNone);
    expectSoundLinks();
}

TEST_F(RoutingTest, AbandonedWireKeepsAFreeEndThatCanBePickedUp) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t wire = startAt(LogicElement, gate, 9);
    addBendPoint(context, wire, 1, {160, 115});
    endOf(wire, 1) = {160, 140, kLinkNone, 0, 0};  // where the pointer went
    shell.clearRecords();
    EXPECT_TRUE(abandonWire(context));
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(wireAt(wire).points, (Points{{130, 115}, {160, 115}, {160, 140}, {160, 140}}));
    EXPECT_TRUE(gateAt(gate).pins[9].connected);
    EXPECT_EQ(endOf(wire, 1).kind, kLinkNone);
    EXPECT_EQ(shell.workAreaInvalidations(true), 1);
    expectSoundLinks();
    EXPECT_EQ(edit::findFreeWireEnd(circuit, {161, 142}), (WireEndRef{wire, 1}));
    EXPECT_FALSE(abandonWire(context));
}

TEST_F(RoutingTest, HeldEndIsAttachedToAChosenPin) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t trigger = build.block(Trigger, 200, 100);
    const int32_t wire = build.stub(LogicElement, gate, 9, {170, 115});
    const WireEndRef held{wire, 1};
    shell.pinAnswers.push_back(std::nullopt);
    EXPECT_FALSE(attachHeldEndToPin(context, Trigger, trigger, held));
    EXPECT_EQ(endOf(wire, 1).kind, kLinkNone);
    shell.pinAnswers.push_back(6);
    EXPECT_TRUE(attachHeldEndToPin(context, Trigger, trigger, held));
    EXPECT_EQ(endOf(wire, 1), (WireEnd{200, 135, Trigger, trigger, 6}));
    EXPECT_EQ(blockAt(trigger).pins[6].wireEnd, 1);
    EXPECT_EQ(wireAt(wire).points.back(), (Point{200, 135}));
    expectSoundLinks();
    EXPECT_FALSE(attachHeldEndToPin(context, Trigger, trigger, {wire, 2}));
    EXPECT_FALSE(attachHeldEndToPin(context, Trigger, trigger, {9, 1}));
    EXPECT_EQ(shell.pinRequests.size(), 2u);
}

TEST_F(RoutingTest, PuttingDownAHeldEndClosesWithoutLinking) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t wire = build.stub(LogicElement, gate, 9, {135, 115});
    endOf(wire, 1) = {150, 130, kLinkNone, 0, 0};
    state.continuedEnd = WireEndRef{wire, 1};
    EXPECT_TRUE(putDownHeldEnd(context));
    EXPECT_FALSE(state.continuedEnd);
    EXPECT_EQ(wireAt(wire).points, (Points{{130, 115}, {135, 115}, {135, 130}, {150, 130}}));
    EXPECT_EQ(shell.workAreaInvalidations(true), 1);
    EXPECT_FALSE(putDownHeldEnd(context));
    expectSoundLinks();
}

}  // namespace
