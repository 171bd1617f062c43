#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "GestureFixture.h"
#include "edit/GroupGestures.h"
#include "edit/GroupTransfer.h"
#include "edit/Selection.h"
#include "edit/TableMessages.h"
#include "io/CircuitFile.h"
#include "model/CircuitCopy.h"
#include "sim/RandomCircuit.h"

namespace {

int32_t records(const CCircuit& circuit) {
    int32_t count = 0;
    for (const auto& e : circuit.logicElements) count += e != nullptr;
    for (const auto& e : circuit.blockElements) count += e != nullptr;
    for (const auto& w : circuit.wires) count += w != nullptr;
    return count;
}

template <typename Element>
Point cornerOf(const Element& element) {
    return {element.x, element.y};
}

Selection chooseAtRandom(const CCircuit& circuit, std::mt19937& random) {
    Selection chosen;
    for (const auto& e : circuit.logicElements)
        if (e && random() % 2) chosen.logic.push_back(e->index);
    for (const auto& e : circuit.blockElements)
        if (e && random() % 2) chosen.block.push_back(e->index);
    return chosen;
}

// Chosen elements moved by `moved`, the others where they were.
template <typename Table>
void expectElementsMoved(const Table& before, const Table& now, const Selection& chosen,
                         Point moved) {
    for (const auto& e : before) {
        if (!e) continue;
        const Point shift = edit::isSelected(chosen, e->kind, e->index) ? moved : Point{};
        EXPECT_EQ(cornerOf(*now[static_cast<size_t>(e->index)]),
                  (Point{e->x + shift.x, e->y + shift.y}));
    }
}

// The wires inside moved whole, every other wire keeps its points.
void expectWirePointsMoved(const CCircuit& before, const CCircuit& now,
                           const std::vector<int32_t>& inside, Point moved) {
    for (const auto& w : before.wires) {
        if (!w) continue;
        const bool along = std::count(inside.begin(), inside.end(), w->index) != 0;
        const Point shift = along ? moved : Point{};
        std::vector<Point> expected = w->points;
        for (Point& p : expected) p = {p.x + shift.x, p.y + shift.y};
        EXPECT_EQ(now.wire(w->index)->points, expected);
    }
}

// Put down in the circuit, the copy takes free slots and reads back as itself;
// only a table too full for it refuses it, and then it says so.
void expectPlacedAsCopied(CCircuit& circuit, const CCircuit& copy) {
    ScriptedShell shell;
    EditState state;
    sim::CSimulator simulation{circuit};
    edit::EditContext context{circuit, state, shell, {}, simulation};
    const int32_t recordsBefore = records(circuit);
    const std::optional<Selection> placed = edit::placeGroup(context, copy);
    if (!placed) {
        EXPECT_EQ(shell.messageBoxes.size(), 1u);
        EXPECT_EQ(records(circuit), recordsBefore);
        return;
    }
    EXPECT_EQ(records(circuit), recordsBefore + records(copy));
    EXPECT_TRUE(circuitLinkViolations(circuit, std::nullopt).empty());
    EXPECT_EQ(io::encodeCircuit(edit::copyGroup(circuit, *placed)), io::encodeCircuit(copy));
}

// Any part of any circuit the reader accepts: its copy is a sound circuit of the
// chosen elements and the wires between them; moved, the group takes exactly those
// along (a wire left behind keeps its points); put down again, it is its copy.
TEST(GroupEditingTest, RandomGroupsCopyMoveAndPlaceSoundly) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CCircuit circuit;
        buildRandomCircuit(circuit, seed);
        std::mt19937 random(seed);
        const Selection chosen = chooseAtRandom(circuit, random);
        const std::vector<int32_t> inside = edit::groupWires(circuit, chosen);

        const CCircuit copy = edit::copyGroup(circuit, chosen);
        EXPECT_TRUE(circuitLinkViolations(copy, std::nullopt).empty());
        EXPECT_EQ(records(copy),
                  static_cast<int32_t>(chosen.logic.size() + chosen.block.size() + inside.size()));

        const CCircuit before = copyTables(circuit);
        const Point wanted{5 * static_cast<int32_t>(random() % 41) - 100,
                           5 * static_cast<int32_t>(random() % 41) - 100};
        const Point moved = edit::moveGroup(circuit, chosen, wanted);
        EXPECT_TRUE(circuitLinkViolations(circuit, std::nullopt).empty());
        expectElementsMoved(before.logicElements, circuit.logicElements, chosen, moved);
        expectElementsMoved(before.blockElements, circuit.blockElements, chosen, moved);
        expectWirePointsMoved(before, circuit, inside, moved);
        expectPlacedAsCopied(circuit, copy);
    }
}

class GroupGestureTest : public GestureFixture {
  protected:
    // Two gates wired output to input, and a third wired to the second from outside.
    void SetUp() override {
        first = build.gate(true, 2, false, 100, 100);
        second = build.gate(false, 2, false, 200, 100);
        outsider = build.gate(true, 2, false, 400, 300);
        inner = build.wire(LogicElement, first, kOutputPin, LogicElement, second, 0);
        outer = build.wire(LogicElement, second, kOutputPin, LogicElement, outsider, 4);
    }
    void band(Point from, Point to) {
        press(from.x, from.y);
        move(to.x, to.y, platform::MK_LBUTTON);
        release(to.x, to.y);
    }
    int32_t first = 0, second = 0, outsider = 0, inner = 0, outer = 0;
};

TEST_F(GroupGestureTest, TheBandChoosesWhatLiesWhollyInsideAndAClickLetsGo) {
    band({90, 90}, {250, 150});
    EXPECT_EQ(state.selection.logic, (std::vector<int32_t>{first, second}));
    EXPECT_EQ(edit::groupWires(circuit, state.selection), std::vector<int32_t>{inner});
    // Four pixels is still a click, which lets the choice go; nothing else changed.
    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
    band({600, 50}, {604, 54});
    EXPECT_TRUE(state.selection.empty());
    band({180, 150}, {95, 95});
    EXPECT_EQ(state.selection.logic, std::vector<int32_t>{first});
    EXPECT_EQ(io::encodeCircuit(circuit), bytes);
    EXPECT_TRUE(noHitLists());
}

// The pressed element's corner goes to the pointer, the group keeps its shape, the
// wire inside moves whole and the wire out keeps its points, its end on the pin.
TEST_F(GroupGestureTest, AShiftDragOnAChosenElementMovesTheGroup) {
    band({90, 90}, {250, 150});
    const std::vector<Point> outerPoints = wireAt(outer).points;
    const std::vector<Point> innerPoints = wireAt(inner).points;
    press(210, 110, platform::MK_LBUTTON | platform::MK_SHIFT);
    move(300, 200, platform::MK_LBUTTON);
    release(300, 200);
    EXPECT_EQ(cornerOf(gateAt(second)), (Point{300, 200}));
    EXPECT_EQ(cornerOf(gateAt(first)), (Point{200, 200}));
    for (size_t i = 0; i < innerPoints.size(); ++i)
        EXPECT_EQ(wireAt(inner).points[i], (Point{innerPoints[i].x + 100, innerPoints[i].y + 100}));
    EXPECT_EQ(wireAt(outer).points, outerPoints);
    EXPECT_EQ(endOf(outer, 0).position(), *circuit.pinAnchor(LogicElement, second, kOutputPin));
    EXPECT_FALSE(state.groupDrag);
    expectSoundLinks();
}

// The pasted pair follows the pointer by its corner; put down, it takes the lowest
// free slots with the wire between its own two; another paste is dropped by a
// right click, which then deletes nothing under the pointer.
TEST_F(GroupGestureTest, APastedPairFollowsThePointerAndGoesIntoTheLowestFreeSlots) {
    band({90, 90}, {250, 150});
    edit::beginPlacing(context, edit::copyGroup(circuit, state.selection), Point{50, 400});
    ASSERT_TRUE(state.pendingGroup);
    EXPECT_EQ(edit::elementsCorner(*state.pendingGroup, edit::wholeGroup(*state.pendingGroup)),
              (Point{50, 400}));
    move(600, 502);
    click(600, 502);
    EXPECT_FALSE(state.pendingGroup);
    EXPECT_EQ(state.selection.logic, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(cornerOf(gateAt(3)), (Point{600, 500}));
    EXPECT_EQ(cornerOf(gateAt(4)), (Point{700, 500}));
    const CWire& pasted = wireAt(2);
    EXPECT_EQ(pasted.ends[0].index, 3);
    EXPECT_EQ(pasted.ends[1].index, 4);
    EXPECT_FALSE(gateAt(4).pins[kOutputPin].connected) << "the wire out stayed behind";
    expectSoundLinks();

    edit::beginPlacing(context, edit::copyGroup(circuit, state.selection), Point{95, 95});
    rightClick(105, 105);
    EXPECT_FALSE(state.pendingGroup);
    EXPECT_EQ(records(circuit), 8);
}

TEST_F(GroupGestureTest, NothingIsPlacedWhenATableIsTooFull) {
    while (circuit.logicElements[CCircuit::kLogicSlots - 2] == nullptr) build.gate(true, 1, false);
    band({90, 90}, {250, 150});
    edit::beginPlacing(context, edit::copyGroup(circuit, state.selection), Point{300, 300});
    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
    click(300, 300);
    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text, edit::text::kLogicTableFull);
    EXPECT_EQ(io::encodeCircuit(circuit), bytes);
    EXPECT_TRUE(state.pendingGroup) << "it keeps following the pointer";
}

// Cancelled, nothing changes and the marks go; confirmed, the pair and the wire
// between them go and the wire out keeps a free end where the pin was.
TEST_F(GroupGestureTest, DeletingTheChoiceAsksFirst) {
    band({90, 90}, {250, 150});
    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
    shell.deleteAnswers = {false, true};
    EXPECT_FALSE(edit::deleteSelection(context, true, {5, 6}));
    EXPECT_EQ(io::encodeCircuit(circuit), bytes);
    EXPECT_TRUE(edit::deleteSelection(context, true, {5, 6}));
    EXPECT_EQ(shell.deleteAnchors, (std::vector<Point>{{5, 6}, {5, 6}}));
    EXPECT_FALSE(circuit.logicElement(first) || circuit.logicElement(second) ||
                 circuit.wire(inner));
    EXPECT_EQ(endOf(outer, 0).kind, kLinkNone);
    EXPECT_TRUE(state.selection.empty());
    EXPECT_TRUE(noHitLists());
    expectSoundLinks();
}

// Escape serves what is under way as a right click does, and never deletes what
// lies under the pointer; at rest it lets the choice go.
TEST_F(GroupGestureTest, EscapeCancelsWhatIsUnderWay) {
    state.pendingLogicElement = std::make_unique<CLogicElement>(Indicator);
    edit::cancelUnderWay(context);
    EXPECT_FALSE(state.pendingLogicElement);
    shell.pinAnswers = {4};
    click(105, 105);
    ASSERT_TRUE(state.wireInProgress);
    const int32_t drawn = *state.wireInProgress;
    edit::cancelUnderWay(context);
    EXPECT_FALSE(state.wireInProgress);
    EXPECT_FALSE(circuit.wire(drawn));
    EXPECT_TRUE(circuit.logicElement(first));
    band({90, 90}, {250, 150});
    EXPECT_TRUE(edit::canCancel(state));
    edit::cancelUnderWay(context);
    EXPECT_TRUE(state.selection.empty());
    EXPECT_FALSE(edit::canCancel(state));
    EXPECT_EQ(records(circuit), 5);
}

}  // namespace
