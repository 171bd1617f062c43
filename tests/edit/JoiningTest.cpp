#include "edit/Joining.h"

#include "tests/edit/WireFixture.h"

namespace {

using edit::closeWireEnds;
using edit::joinWireEnd;
class JoiningTest : public WireFixture {
  protected:
    Points closed(int32_t wire) {
        EXPECT_TRUE(closeWireEnds(circuit, wire));
        expectSoundLinks();
        return wireAt(wire).points;
    }
};

TEST_F(JoiningTest, ClosingTurnsOneCornerIntoEachEnd) {
    const int32_t wire = looseWire({{100, 100}, {150, 100}}, {90, 120}, {170, 130});
    EXPECT_EQ(closed(wire),
              (Points{{90, 120}, {100, 120}, {100, 100}, {150, 100}, {150, 130}, {170, 130}}));
}

TEST_F(JoiningTest, ClosingExtendsRunsThatPointAtTheEnds) {
    // Vertical runs at both ends: their end points move level with the end records.
    const int32_t wire =
        looseWire({{100, 100}, {100, 150}, {200, 150}, {200, 180}}, {90, 120}, {230, 190});
    EXPECT_EQ(closed(wire),
              (Points{{90, 120}, {100, 120}, {100, 150}, {200, 150}, {200, 190}, {230, 190}}));
}

TEST_F(JoiningTest, ClosingALevelEndZeroMovesTheFirstPointOntoIt) {
    // The first segment becomes slanted: that is what stored circuits contain.
    const int32_t wire = looseWire({{100, 100}, {100, 150}}, {80, 100}, {100, 150});
    EXPECT_EQ(closed(wire), (Points{{80, 100}, {100, 150}, {100, 150}}));
}

TEST_F(JoiningTest, ClosingTwiceRepeatsEndOne) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t wire = build.stub(LogicElement, gate, 9, {160, 115});
    EXPECT_EQ(closed(wire), (Points{{130, 115}, {160, 115}, {160, 115}}));
    EXPECT_EQ(closed(wire), (Points{{130, 115}, {160, 115}, {160, 115}, {160, 115}}));
}

TEST_F(JoiningTest, WireWithoutPointsIsClosedFromItsStub) {
    const int32_t trigger = build.block(Trigger, 200, 100);
    const int32_t wire = build.stub(Trigger, trigger, 10, {260, 150});
    wireAt(wire).points.clear();
    EXPECT_EQ(closed(wire), (Points{{240, 130}, {245, 130}, {245, 150}, {260, 150}}));
    EXPECT_FALSE(closeWireEnds(circuit, 77));
}

TEST_F(JoiningTest, JunctionPairIsWrittenOnBothWires) {
    const int32_t trigger = build.block(Trigger, 200, 100);
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t gate2 = build.gate(true, 2, false, 100, 300);
    const int32_t target = wireInSlot(5, [&] {
        return build.wire(Trigger, trigger, 9, LogicElement, gate, 0,
                          {{240, 110}, {245, 110}, {245, 40}, {95, 40}, {95, 105}, {100, 105}});
    });
    const int32_t joined = wireInSlot(3, [&] {
        return build.stub(LogicElement, gate2, 9, {120, 40});
    });
    ASSERT_EQ(std::pair(joined, target), std::pair(3, 5));
    EXPECT_TRUE(joinWireEnd(circuit, joined, 1, target));
    ASSERT_EQ(wireAt(target).ends.size(), 3u);
    EXPECT_EQ(endOf(target, 2), (WireEnd{120, 40, kLinkWire, 3, 1}));
    EXPECT_EQ(endOf(joined, 1), (WireEnd{120, 40, kLinkWire, 5, 2}));
    EXPECT_EQ(wireAt(joined).points.back(), (Point{120, 40}));
    EXPECT_EQ(wireAt(target).points.size(), 6u);  // the target is not re-routed
    expectSoundLinks();
}

TEST_F(JoiningTest, OnlyAFreeEndJoinsAnotherWire) {
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t a = build.stub(LogicElement, gate, 9, {150, 115});
    const int32_t b = build.stub(LogicElement, gate, 0, {60, 105});
    EXPECT_FALSE(joinWireEnd(circuit, a, 1, a));   // onto itself
    EXPECT_FALSE(joinWireEnd(circuit, a, 0, b));   // end on a pin
    EXPECT_FALSE(joinWireEnd(circuit, a, 2, b));   // not an own end
    EXPECT_FALSE(joinWireEnd(circuit, a, 1, 40));  // no such wire
    EXPECT_TRUE(joinWireEnd(circuit, a, 1, b));
    EXPECT_FALSE(joinWireEnd(circuit, a, 1, b));  // already joined
    EXPECT_EQ(wireAt(b).ends.size(), 3u);
    expectSoundLinks();
}

}  // namespace
