#include "edit/Deletion.h"

#include "edit/WireEnds.h"

#include "tests/edit/WireFixture.h"

namespace {

using edit::deleteElementsUnderPointer;
using edit::deleteWire;
using edit::deleteWireInProgress;
using edit::deleteWiresUnderPointer;

// A scripted desktop that lets a test look at the circuit while the deletion
// confirmation is open.
struct ConfirmWatchingShell : ScriptedShell {
    std::function<void()> whenAsked;
    bool deleteConfirmDialog(int32_t anchorX, int32_t anchorY) override {
        if (whenAsked) whenAsked();
        return ScriptedShell::deleteConfirmDialog(anchorX, anchorY);
    }
};

class DeletionTest : public WireFixture {
  protected:
    // A signal source, a gate and a trigger in a row, wired source -> gate input 0
    // and gate output -> trigger input 0.
    void buildChain() {
        source = build.block(EntrSignal, 0, 100);
        gate = build.gate(true, 2, false, 100, 100);
        trigger = build.block(Trigger, 200, 100);
        into = build.wire(EntrSignal, source, 9, LogicElement, gate, 0,
                          {{25, 110}, {60, 110}, {60, 105}, {100, 105}});
        out = build.wire(LogicElement, gate, 9, Trigger, trigger, 0,
                         {{130, 115}, {160, 115}, {160, 105}, {200, 105}});
    }
    void answer(bool ok) { asking.deleteAnswers.push_back(ok); }

    ConfirmWatchingShell asking;
    edit::EditContext deleting{circuit, state, asking, {}, simulation};
    int32_t source = 0, gate = 0, trigger = 0, into = 0, out = 0;
};

TEST_F(DeletionTest, DeletedElementLeavesFreeEndsOnItsWires) {
    buildChain();
    int32_t stateWhenAsked = 0;
    int repaintsWhenAsked = 0;
    asking.whenAsked = [&] {
        stateWhenAsked = gateAt(gate).drawState;
        repaintsWhenAsked = asking.workAreaInvalidations(true);
    };
    answer(true);
    EXPECT_TRUE(deleteElementsUnderPointer(deleting, {115, 115}));
    EXPECT_EQ(stateWhenAsked, 32);
    EXPECT_EQ(repaintsWhenAsked, 1);
    EXPECT_EQ(asking.workAreaInvalidations(true), 2);
    EXPECT_EQ(asking.deleteAnchors, (std::vector<Point>{{115, 115}}));
    EXPECT_EQ(circuit.logicElement(gate), nullptr);
    EXPECT_EQ(endOf(into, 1), (WireEnd{100, 105, kLinkNone, gate, 0}));
    EXPECT_EQ(endOf(out, 0), (WireEnd{130, 115, kLinkNone, gate, 9}));
    EXPECT_TRUE(blockAt(source).pins[9].connected);
    EXPECT_TRUE(blockAt(trigger).pins[0].connected);
    EXPECT_FALSE(state.logicHits || state.blockHits);
    expectSoundLinks();
}

TEST_F(DeletionTest, CancelRemovesTheMarks) {
    buildChain();
    answer(false);
    EXPECT_FALSE(deleteElementsUnderPointer(deleting, {220, 120}));
    EXPECT_EQ(blockAt(trigger).drawState, 0);
    EXPECT_FALSE(state.blockHits);
    EXPECT_EQ(asking.workAreaInvalidations(true), 2);

    int highlightedWhenAsked = 0;
    asking.whenAsked = [&] { highlightedWhenAsked = wireAt(out).highlighted; };
    answer(false);
    EXPECT_FALSE(deleteWiresUnderPointer(deleting, {161, 109}));  // snaps to (160, 110)
    EXPECT_EQ(highlightedWhenAsked, 1);
    EXPECT_EQ(wireAt(out).highlighted, 0);
    EXPECT_FALSE(state.wireHits);
    EXPECT_EQ(asking.workAreaInvalidations(true), 4);
    expectSoundLinks();
}

TEST_F(DeletionTest, OverlappingElementsOfBothTablesGoAfterOneQuestion) {
    const int32_t gateSlot = build.gate(true, 2, false, 100, 100);
    const int32_t signal = build.block(EntrSignal, 110, 110);
    const int32_t apart = build.gate(true, 2, false, 300, 300);
    answer(true);
    EXPECT_TRUE(deleteElementsUnderPointer(deleting, {120, 120}));
    EXPECT_EQ(asking.deleteAnchors.size(), 1u);
    EXPECT_EQ(circuit.logicElement(gateSlot), nullptr);
    EXPECT_EQ(circuit.blockElement(signal), nullptr);
    EXPECT_NE(circuit.logicElement(apart), nullptr);
    EXPECT_EQ(asking.workAreaInvalidations(true), 3);  // two marks, one deletion
}

TEST_F(DeletionTest, ElementsAreFoundThroughTheScrollOffsets) {
    buildChain();
    deleting.viewport = {100, 95};
    answer(true);
    EXPECT_TRUE(deleteElementsUnderPointer(deleting, {3, 6}));  // work area (103, 101)
    EXPECT_EQ(asking.deleteAnchors, (std::vector<Point>{{3, 6}}));
    EXPECT_EQ(circuit.logicElement(gate), nullptr);
    expectSoundLinks();
}

TEST_F(DeletionTest, RightClickOverNothingAsksNothing) {
    buildChain();
    EXPECT_FALSE(deleteElementsUnderPointer(deleting, {400, 400}));
    EXPECT_FALSE(deleteWiresUnderPointer(deleting, {400, 400}));
    EXPECT_TRUE(asking.log.empty());
    EXPECT_TRUE(asking.invalidations.empty());
    EXPECT_FALSE(state.logicHits || state.blockHits || state.wireHits);
}

TEST_F(DeletionTest, DeletedWireFreesItsPins) {
    const int32_t triggerSlot = build.block(Trigger, 200, 100);
    const int32_t gateSlot = build.gate(true, 2, false, 100, 300);
    const int32_t wire = wireInSlot(3, [&] {
        return build.wire(Trigger, triggerSlot, 9, LogicElement, gateSlot, 0,
                          {{240, 110}, {250, 110}, {250, 305}, {100, 305}});
    });
    answer(true);
    EXPECT_TRUE(deleteWiresUnderPointer(deleting, {250, 200}));
    EXPECT_EQ(circuit.wire(wire), nullptr);
    for (const Pin* pin : {&blockAt(triggerSlot).pins[9], &gateAt(gateSlot).pins.front()})
        EXPECT_EQ(std::pair(pin->connected, pin->linkKind), std::pair(uint8_t{0}, kLinkNone));
    EXPECT_EQ(asking.workAreaInvalidations(true), 2);
    EXPECT_FALSE(state.wireHits);
    expectSoundLinks();
}

TEST_F(DeletionTest, WirePassingTwiceIsDeletedOnce) {
    buildChain();
    const int32_t loop = looseWire({{120, 380}, {120, 440}, {160, 440}, {160, 400}, {80, 400}},
                                   {120, 380}, {80, 400});
    answer(true);
    EXPECT_TRUE(deleteWiresUnderPointer(deleting, {120, 400}));
    EXPECT_EQ(circuit.wire(loop), nullptr);
    EXPECT_NE(circuit.wire(into), nullptr);
    expectSoundLinks();
}

class JunctionDeletionTest : public DeletionTest {
  protected:
    // Wire 5 from the trigger to the gate passes (120, 40); wire 3 leaves a second
    // gate and its end 1 is joined onto wire 5 there.
    void SetUp() override {
        trigger = build.block(Trigger, 200, 100);
        gate = build.gate(true, 2, false, 100, 100);
        const int32_t lower = build.gate(true, 2, false, 100, 300);
        target = wireInSlot(5, [&] {
            return build.wire(Trigger, trigger, 9, LogicElement, gate, 0,
                              {{240, 110}, {245, 110}, {245, 40}, {95, 40}, {95, 105}, {100, 105}});
        });
        joined = wireInSlot(3, [&] { return build.stub(LogicElement, lower, 9, {120, 40}); });
        build.join(joined, 1, target);
        expectSoundLinks();
    }
    int32_t target = 0, joined = 0;
};

TEST_F(JunctionDeletionTest, DeletingTheJoinedWireRemovesItsJunctionEnd) {
    EXPECT_TRUE(deleteWire(deleting, joined));
    EXPECT_EQ(circuit.wire(joined), nullptr);
    EXPECT_EQ(wireAt(target).ends.size(), 2u);
    expectSoundLinks();
}

TEST_F(JunctionDeletionTest, DeletingTheTargetFreesTheJoinedEnd) {
    EXPECT_TRUE(deleteWire(deleting, target));
    EXPECT_EQ(endOf(joined, 1).kind, kLinkNone);
    EXPECT_EQ(endOf(joined, 1).position(), (Point{120, 40}));
    EXPECT_FALSE(gateAt(gate).pins[0].connected);
    expectSoundLinks();
}

TEST_F(JunctionDeletionTest, PartnersFollowJunctionEndsThatMoveDown) {
    // Two more wires joined onto wire 5 after wire 3: junction ends 2, 3 and 4.
    const int32_t second = looseWire({{60, 10}, {60, 40}}, {60, 10}, {60, 40});
    const int32_t third = looseWire({{200, 10}, {200, 40}}, {200, 10}, {200, 40});
    build.join(second, 1, target);
    build.join(third, 1, target);
    ASSERT_EQ(wireAt(target).ends.size(), 5u);

    EXPECT_TRUE(deleteWire(deleting, second));
    ASSERT_EQ(wireAt(target).ends.size(), 4u);
    EXPECT_EQ(endOf(third, 1).slot, 3);
    expectSoundLinks();
    EXPECT_TRUE(deleteWire(deleting, third));
    EXPECT_EQ(wireAt(target).ends.size(), 3u);
    EXPECT_EQ(endOf(target, 2).index, joined);
    expectSoundLinks();
}

TEST_F(JunctionDeletionTest, PinFollowsAnOwnEndThatMovesDown) {
    const int32_t late = looseWire({{245, 70}, {300, 70}}, {245, 70}, {300, 70});
    build.join(late, 0, target);
    EXPECT_TRUE(edit::removeWireEnd(circuit, target, 0));
    EXPECT_EQ(blockAt(trigger).pins[9].connected, 0);
    EXPECT_EQ(gateAt(gate).pins[0].wireEnd, 0);
    EXPECT_EQ(endOf(joined, 1).slot, 1);
    EXPECT_EQ(endOf(late, 0).slot, 2);
    expectSoundLinks();
    EXPECT_FALSE(edit::removeWireEnd(circuit, target, 3));
}

TEST_F(DeletionTest, WireInProgressIsDeletedAndForgotten) {
    buildChain();
    const int32_t drawn = build.stub(LogicElement, gate, 4, {60, 125});
    gateAt(gate).pins[4].connected = 0;  // the start pin is linked only at the finish
    state.wireInProgress = drawn;
    expectSoundLinks();
    EXPECT_TRUE(deleteWireInProgress(deleting));
    EXPECT_EQ(circuit.wire(drawn), nullptr);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_EQ(asking.workAreaInvalidations(true), 1);
    EXPECT_FALSE(deleteWireInProgress(deleting));
    expectSoundLinks();
}

TEST_F(DeletionTest, DeletingTheHeldWireLetsGoOfItsEnd) {
    buildChain();
    state.continuedEnd = WireEndRef{out, 1};
    EXPECT_TRUE(deleteWire(deleting, out));
    EXPECT_FALSE(state.continuedEnd);
    EXPECT_FALSE(deleteWire(deleting, out));
    expectSoundLinks();
}

}  // namespace
