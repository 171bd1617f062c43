#include "edit/BendPoints.h"

#include "tests/edit/GestureFixture.h"

namespace {

using edit::addBendPoint;
using Points = std::vector<Point>;

class BendPointTest : public GestureFixture {
  protected:
    // The stub that starting at input pin 0 of a gate at (100, 100) leaves.
    int32_t inputStub() {
        const int32_t gate = build.gate(true, 2, false, 100, 100);
        return build.stub(LogicElement, gate, 0, {95, 105});
    }
    // A wire on a gate's output whose polyline is replaced by the given points.
    int32_t wireWithPoints(Points points) {
        const int32_t gate = build.gate(true, 2, false, 300, 300);
        const int32_t wire = build.stub(LogicElement, gate, 9, points.back());
        wireAt(wire).points = std::move(points);
        return wire;
    }
    Points bentAt(int32_t wire, int32_t end, Point point) {
        EXPECT_TRUE(addBendPoint(context, wire, end, point));
        expectSoundLinks();
        return wireAt(wire).points;
    }
};

TEST_F(BendPointTest, DominantAxisDecidesTheCorner) {
    const int32_t wire = inputStub();
    // |dx| 35 < |dy| 45: vertical from the tip
    EXPECT_EQ(bentAt(wire, 1, {60, 150}), (Points{{100, 105}, {95, 105}, {95, 150}}));
    // |dx| 40 > |dy| 5: horizontal, and added beyond the tip
    EXPECT_EQ(bentAt(wire, 1, {55, 145}), (Points{{100, 105}, {95, 105}, {95, 150}, {55, 150}}));
}

TEST_F(BendPointTest, TieGoesVertical) {
    const int32_t wire = inputStub();
    EXPECT_EQ(bentAt(wire, 1, {55, 145}), (Points{{100, 105}, {95, 105}, {95, 145}}));
}

TEST_F(BendPointTest, TwoPointWireStaysOutsideTheInputItLeaves) {
    const int32_t wire = inputStub();
    // Horizontal to (150, 105) would run back over the pin.
    EXPECT_EQ(bentAt(wire, 1, {150, 110}), (Points{{100, 105}, {95, 105}, {95, 110}}));
    const int32_t onPin = inputStub();
    EXPECT_EQ(bentAt(onPin, 1, {100, 105}), (Points{{100, 105}, {95, 105}}));
}

TEST_F(BendPointTest, TwoPointWireStaysOutsideTheOutputItLeaves) {
    const int32_t trigger = build.block(Trigger, 200, 100);
    const int32_t wire = build.stub(Trigger, trigger, 9, {245, 110});
    EXPECT_EQ(bentAt(wire, 1, {200, 130}), (Points{{240, 110}, {245, 110}, {245, 130}}));
}

TEST_F(BendPointTest, AlignedCornerReplacesTheTipOtherwiseOneIsAdded) {
    const int32_t wire = wireWithPoints({{0, 0}, {50, 0}, {50, 40}});
    EXPECT_EQ(bentAt(wire, 1, {80, 40}), (Points{{0, 0}, {50, 0}, {50, 40}, {80, 40}}));
    EXPECT_EQ(bentAt(wire, 1, {80, 0}), (Points{{0, 0}, {50, 0}, {50, 40}, {80, 40}, {80, 0}}));

    const int32_t straight = wireWithPoints({{0, 0}, {50, 0}, {50, 40}, {80, 40}});
    EXPECT_EQ(bentAt(straight, 1, {120, 40}), (Points{{0, 0}, {50, 0}, {50, 40}, {120, 40}}));
}

TEST_F(BendPointTest, EndZeroGrowsAtTheFront) {
    const int32_t wire = wireWithPoints({{0, 0}, {50, 0}, {50, 40}});
    EXPECT_EQ(bentAt(wire, 0, {0, 30}), (Points{{0, 30}, {0, 0}, {50, 0}, {50, 40}}));
    EXPECT_EQ(bentAt(wire, 0, {0, 60}), (Points{{0, 60}, {0, 0}, {50, 0}, {50, 40}}));
}

TEST_F(BendPointTest, ClickIsTruncatedToTheGrid) {
    const int32_t wire = wireWithPoints({{0, 0}, {50, 0}, {50, 40}});
    EXPECT_EQ(bentAt(wire, 1, {94, 43}), (Points{{0, 0}, {50, 0}, {50, 40}, {90, 40}}));
}

TEST_F(BendPointTest, WireWithoutPointsGetsItsStubAndEachBendRepaints) {
    const int32_t wire = inputStub();
    wireAt(wire).points.clear();
    EXPECT_EQ(bentAt(wire, 1, {300, 300}), (Points{{100, 105}, {95, 105}}));
    bentAt(wire, 1, {60, 150});
    EXPECT_EQ(shell.workAreaInvalidations(true), 2);
    EXPECT_FALSE(addBendPoint(context, wire, 2, {0, 0}));
    EXPECT_FALSE(addBendPoint(context, 40, 1, {0, 0}));
    EXPECT_EQ(shell.workAreaInvalidations(true), 2);
}

TEST_F(BendPointTest, OnePointWireFromAFileGainsItsCorner) {
    const int32_t wire = wireWithPoints({{50, 50}});
    EXPECT_EQ(bentAt(wire, 1, {50, 90}), (Points{{50, 50}, {50, 90}}));
}

}  // namespace
