#include "edit/HitTest.h"

#include <gtest/gtest.h>

#include "support/CircuitBuilder.h"

namespace {

using edit::findFreeWireEnd;
using edit::hitBlockElements;
using edit::hitLogicElements;
using edit::hitWires;
using edit::kNoExcludedWire;

std::vector<int32_t> slotsOf(const std::optional<HitList>& hits) {
    return hits ? hits->slots : std::vector<int32_t>{};
}

class HitTestTest : public ::testing::Test {
  protected:
    // A wire with the given points and two free ends, straight into its slot.
    int32_t wireThrough(std::vector<Point> points) {
        const int32_t slot = *circuit.registerWire();
        CWire& wire = *circuit.wires[slot];
        wire.ends.resize(2);
        wire.points = std::move(points);
        return slot;
    }
    std::vector<int32_t> wiresAt(Point p, int32_t excluded = kNoExcludedWire) {
        return slotsOf(hitWires(circuit, p, excluded));
    }

    CCircuit circuit;
    CircuitBuilder build{circuit};
};

TEST_F(HitTestTest, ElementEdgesAreInclusive) {
    build.gate(true, 2, false, 100, 100);  // 30 x 30
    EXPECT_EQ(slotsOf(hitLogicElements(circuit, {100, 100})), std::vector<int32_t>{0});
    EXPECT_EQ(slotsOf(hitLogicElements(circuit, {130, 130})), std::vector<int32_t>{0});
    EXPECT_FALSE(hitLogicElements(circuit, {131, 100}));
    EXPECT_FALSE(hitLogicElements(circuit, {99, 115}));
    EXPECT_FALSE(hitLogicElements(circuit, {115, 131}));

    build.block(Trigger, 200, 100);  // 40 x 40
    EXPECT_EQ(slotsOf(hitBlockElements(circuit, {240, 140})), std::vector<int32_t>{0});
    EXPECT_FALSE(hitBlockElements(circuit, {241, 140}));
    EXPECT_FALSE(hitLogicElements(circuit, {220, 120}));  // the other table
}

TEST_F(HitTestTest, OverlappingElementsAreAllListedInSlotOrder) {
    build.gate(true, 2, false, 100, 100);
    build.indicator(400, 400);
    build.gate(false, 9, true, 110, 90);
    EXPECT_EQ(slotsOf(hitLogicElements(circuit, {120, 110})), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(slotsOf(hitLogicElements(circuit, {120, 135})), std::vector<int32_t>{2});
}

TEST_F(HitTestTest, StraightWireSkipsOneGridPointAtItsStartAndTwoAtItsEnd) {
    wireThrough({{100, 100}, {150, 100}});
    for (int32_t x = 105; x <= 140; x += 5) EXPECT_EQ(wiresAt({x, 100}).size(), 1u) << x;
    EXPECT_TRUE(wiresAt({100, 100}).empty());
    EXPECT_TRUE(wiresAt({145, 100}).empty());
    EXPECT_TRUE(wiresAt({150, 100}).empty());
    EXPECT_TRUE(wiresAt({112, 100}).empty());  // between grid points
    EXPECT_TRUE(wiresAt({110, 105}).empty());
}

TEST_F(HitTestTest, CornerIsHitAsTheStartOfTheNextSegment) {
    wireThrough({{100, 100}, {150, 100}, {150, 200}});
    EXPECT_TRUE(wiresAt({100, 100}).empty());
    EXPECT_EQ(wiresAt({150, 100}), std::vector<int32_t>{0});
    EXPECT_EQ(wiresAt({150, 190}), std::vector<int32_t>{0});
    EXPECT_TRUE(wiresAt({150, 195}).empty());
    EXPECT_TRUE(wiresAt({150, 200}).empty());
}

TEST_F(HitTestTest, WirePassingTwiceCountsTwiceAndExclusionDropsIt) {
    // Down, right, up and back left across its own first run at (120, 100).
    const int32_t loop = wireThrough({{120, 80}, {120, 140}, {160, 140}, {160, 100}, {80, 100}});
    const int32_t other = wireThrough({{100, 60}, {100, 160}});
    EXPECT_EQ(wiresAt({120, 100}), (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(wiresAt({100, 100}), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(wiresAt({100, 100}, loop), std::vector<int32_t>{1});
    EXPECT_EQ(wiresAt({100, 100}, other), std::vector<int32_t>{0});
}

TEST_F(HitTestTest, ShortAndDegenerateWiresAreNeverHit) {
    wireThrough({});
    wireThrough({{100, 100}});
    wireThrough({{100, 100}, {105, 100}});  // a bare stub
    wireThrough({{200, 100}, {210, 100}});
    wireThrough({{300, 100}, {300, 100}, {300, 100}});
    for (Point p : {Point{100, 100}, Point{105, 100}, Point{200, 100}, Point{205, 100},
                    Point{210, 100}, Point{300, 100}})
        EXPECT_TRUE(wiresAt(p).empty()) << p.x << "," << p.y;
    // Fifteen pixels leave exactly the middle grid point.
    wireThrough({{400, 100}, {415, 100}});
    EXPECT_EQ(wiresAt({405, 100}), std::vector<int32_t>{5});
    EXPECT_TRUE(wiresAt({410, 100}).empty());
}

TEST_F(HitTestTest, SlantedAndOffGridSegmentsEndTheirWalk) {
    // What closing end 0 beside a vertical first run leaves behind.
    wireThrough({{80, 100}, {100, 150}, {200, 150}});
    EXPECT_EQ(wiresAt({85, 105}), std::vector<int32_t>{0});
    EXPECT_EQ(wiresAt({100, 130}), std::vector<int32_t>{0});
    EXPECT_TRUE(wiresAt({90, 125}).empty());
    EXPECT_EQ(wiresAt({150, 150}), std::vector<int32_t>{0});
    // Points from a file need not be multiples of 5.
    wireThrough({{3, 7}, {33, 7}, {33, 52}});
    EXPECT_EQ(wiresAt({13, 7}), std::vector<int32_t>{1});
    EXPECT_TRUE(wiresAt({15, 7}).empty());
}

TEST_F(HitTestTest, FreeEndIsPickedUpWithinTwoPixels) {
    const int32_t slot = wireThrough({{100, 100}, {200, 100}});
    circuit.wires[slot]->ends[0] = {100, 100, kLinkNone, 0, 0};
    circuit.wires[slot]->ends[1] = {200, 100, kLinkNone, 0, 0};
    EXPECT_EQ(findFreeWireEnd(circuit, {200, 100}), (WireEndRef{slot, 1}));
    EXPECT_EQ(findFreeWireEnd(circuit, {198, 102}), (WireEndRef{slot, 1}));
    EXPECT_EQ(findFreeWireEnd(circuit, {202, 98}), (WireEndRef{slot, 1}));
    EXPECT_FALSE(findFreeWireEnd(circuit, {205, 100}));
    EXPECT_FALSE(findFreeWireEnd(circuit, {203, 100}));
    EXPECT_FALSE(findFreeWireEnd(circuit, {197, 100}));
    EXPECT_EQ(findFreeWireEnd(circuit, {100, 100}), (WireEndRef{slot, 0}));
}

TEST_F(HitTestTest, AttachedEndsAndJunctionEndsAreNotPickedUp) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t stub = build.stub(LogicElement, gate, 9, {160, 115});
    const int32_t target = wireThrough({{160, 50}, {160, 200}});
    build.join(stub, 1, target);
    // end 0 on the pin, end 1 and wire 1's junction end at (160, 115)
    EXPECT_FALSE(findFreeWireEnd(circuit, {130, 115}));
    EXPECT_FALSE(findFreeWireEnd(circuit, {160, 115}));
    circuit.wires[target]->ends[1] = {160, 200, kLinkNone, 0, 0};
    EXPECT_EQ(findFreeWireEnd(circuit, {160, 200}), (WireEndRef{target, 1}));
}

}  // namespace
