#include "edit/Retraction.h"

#include "edit/HitTest.h"
#include "tests/edit/WireFixture.h"

namespace {

using edit::retractHeldEnd;

class RetractionTest : public WireFixture {
  protected:
    // The held wire: end 0 free at its first point, end 1 free out at the pointer.
    int32_t heldWire(Points points) {
        const Point first = points.front();
        return looseWire(std::move(points), first, {300, 300});
    }
    // Another wire whose end 1 is joined onto `onto` at the point.
    int32_t joinedAt(int32_t onto, Point at) {
        const int32_t wire = looseWire({{at.x, at.y + 100}, at}, {at.x, at.y + 100}, at);
        build.join(wire, 1, onto);
        return wire;
    }
    Points retracted(int32_t wire, int32_t end) {
        EXPECT_TRUE(retractHeldEnd(circuit, wire, end));
        expectSoundLinks();
        return wireAt(wire).points;
    }
};

TEST_F(RetractionTest, LastSegmentGoesWithoutAJunction) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {40, 50}});
    EXPECT_EQ(retracted(wire, 1), (Points{{0, 0}, {0, 50}}));
    EXPECT_EQ(endOf(wire, 1).position(), (Point{300, 300}));  // still with the pointer
    EXPECT_TRUE(shell.invalidations.empty());
}

TEST_F(RetractionTest, EndIsPulledBackToTheNearestJunction) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {40, 50}});
    joinedAt(wire, {20, 50});
    joinedAt(wire, {10, 50});  // further along the walk, though later in the list
    EXPECT_EQ(retracted(wire, 1), (Points{{0, 0}, {0, 50}, {20, 50}}));
    EXPECT_EQ(wireAt(wire).ends.size(), 4u);  // both junctions stay
}

TEST_F(RetractionTest, JunctionAtTheEndPointGoesAndFreesItsWire) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {40, 50}});
    const int32_t atTip = joinedAt(wire, {40, 50});
    joinedAt(wire, {0, 20});  // on another segment: untouched
    EXPECT_EQ(retracted(wire, 1), (Points{{0, 0}, {0, 50}}));
    EXPECT_EQ(endOf(atTip, 1).kind, kLinkNone);
    EXPECT_EQ(wireAt(wire).ends.size(), 3u);
}

TEST_F(RetractionTest, RepeatedEndPointsGoTogether) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {40, 50}, {40, 50}});
    EXPECT_EQ(retracted(wire, 1), (Points{{0, 0}, {0, 50}}));

    const int32_t pulled = heldWire({{0, 0}, {0, 50}, {40, 50}, {40, 50}});
    joinedAt(pulled, {25, 50});
    EXPECT_EQ(retracted(pulled, 1), (Points{{0, 0}, {0, 50}, {25, 50}, {25, 50}}));
}

TEST_F(RetractionTest, RepeatedCornerLeavesAWireThatIsNeverHit) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {0, 50}});
    EXPECT_EQ(retracted(wire, 1), (Points{{0, 0}}));
    for (Point p : {Point{0, 0}, Point{0, 5}, Point{0, 25}, Point{0, 50}})
        EXPECT_FALSE(edit::hitWires(circuit, p, edit::kNoExcludedWire));
}

TEST_F(RetractionTest, EndZeroRetractsAtTheFront) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {40, 50}});
    EXPECT_EQ(retracted(wire, 0), (Points{{0, 50}, {40, 50}}));
    const int32_t pulled = heldWire({{0, 0}, {0, 50}, {40, 50}});
    joinedAt(pulled, {0, 30});
    EXPECT_EQ(retracted(pulled, 0), (Points{{0, 30}, {0, 50}, {40, 50}}));
}

TEST_F(RetractionTest, SlantedOrOffGridSegmentEndsItsWalk) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {23, 61}});
    joinedAt(wire, {8, 50});  // the walk passes (18, 56), (13, 51), (8, 50)
    EXPECT_EQ(retracted(wire, 1), (Points{{0, 0}, {0, 50}, {8, 50}}));
    const int32_t bare = heldWire({{0, 0}, {0, 50}, {23, 61}});
    joinedAt(bare, {10, 55});  // beside the walk
    EXPECT_EQ(retracted(bare, 1), (Points{{0, 0}, {0, 50}}));
}

TEST_F(RetractionTest, NothingToRetractOnAMissingWireOrEnd) {
    const int32_t wire = heldWire({{0, 0}, {0, 50}, {40, 50}});
    EXPECT_FALSE(retractHeldEnd(circuit, 40, 1));
    EXPECT_FALSE(retractHeldEnd(circuit, wire, 2));
    EXPECT_EQ(wireAt(wire).points.size(), 3u);
}

}  // namespace
