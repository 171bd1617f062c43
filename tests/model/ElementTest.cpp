#include <gtest/gtest.h>

#include "model/BlockElement.h"
#include "model/LogicElement.h"
#include "model/Wire.h"

namespace {

std::vector<int> presentPins(const Pins& pins) {
    std::vector<int> result;
    for (int p = 0; p < kPinCount; ++p)
        if (pins[p].present) result.push_back(p);
    return result;
}

struct LayoutCase {
    uint16_t inputs;
    std::vector<int> present;
    int32_t bitmap;
    int32_t height;
    Point output;
};

TEST(LogicElementTest, EveryInputCountHasItsLayoutSizeBitmapAndOutputAnchor) {
    const std::vector<LayoutCase> cases = {
        {1, {2, 9}, 112, 30, {30, 15}},
        {2, {0, 4, 9}, 102, 30, {30, 15}},
        {3, {0, 2, 4, 9}, 103, 30, {30, 15}},
        {4, {0, 1, 3, 4, 9}, 104, 30, {30, 15}},
        {5, {0, 1, 2, 3, 4, 9}, 105, 30, {30, 15}},
        {6, {0, 1, 2, 4, 5, 6, 9}, 107, 40, {30, 20}},
        {7, {0, 1, 2, 3, 4, 5, 6, 9}, 108, 40, {30, 20}},
        {8, {0, 1, 2, 3, 5, 6, 7, 8, 9}, 109, 50, {30, 25}},
        {9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 111, 50, {30, 25}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.inputs);
        CLogicElement gate(true, c.inputs, false);
        EXPECT_EQ(presentPins(gate.pins), c.present);
        EXPECT_EQ(gate.bodyBitmap, c.bitmap);
        EXPECT_EQ(gate.width, 30);
        EXPECT_EQ(gate.height, c.height);
        EXPECT_EQ(gate.pinOffset(9), c.output);
        for (int p = 0; p < 9; ++p) EXPECT_EQ(gate.pinOffset(p), (Point{0, 5 + 5 * p}));
    }
}

TEST(LogicElementTest, NewGateOutputShowsTheInversionAndItsMark) {
    CLogicElement plain(false, 2, false);
    CLogicElement inverted(true, 1, true);
    EXPECT_EQ(plain.pins[9].value, 0);
    EXPECT_EQ(plain.outputBitmap, 119);
    EXPECT_EQ(inverted.pins[9].value, 1);
    EXPECT_EQ(inverted.outputBitmap, 120);
    EXPECT_EQ(inverted.kind, LogicElement);
    EXPECT_EQ(inverted.isConjunction, 1);
    EXPECT_EQ(plain.isConjunction, 0);
}

TEST(LogicElementTest, InputCountOutsideOneToNineLeavesLayoutUntouched) {
    CLogicElement gate(true, 0, false);
    EXPECT_EQ(gate.width, 0);
    EXPECT_EQ(gate.height, 0);
    EXPECT_EQ(presentPins(gate.pins).size(), 11u);
    gate.configure(true, 10, false);
    EXPECT_EQ(gate.bodyBitmap, 0);
}

TEST(LogicElementTest, IndicatorHasFiveWeightedInputsAndNoOutput) {
    CLogicElement indicator{Indicator};
    EXPECT_EQ(indicator.kind, Indicator);
    EXPECT_EQ(presentPins(indicator.pins), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(indicator.bodyBitmap, 134);
    EXPECT_EQ(indicator.width, 50);
    EXPECT_EQ(indicator.height, 30);
}

TEST(LogicElementTest, AnIndicatorCountsItsFiveInputsThatAWireBringsAOne) {
    Pins pins = CLogicElement(Indicator).pins;
    for (Pin& pin : pins) pin.value = 1;
    EXPECT_EQ(indicatorNumber(pins), 0);
    for (int p : {0, 1, 2, 3, 4}) pins[p].connected = 1;
    EXPECT_EQ(indicatorNumber(pins), 31);
    pins[0].value = 0;
    pins[3].connected = 0;
    EXPECT_EQ(indicatorNumber(pins), 2 + 4 + 16);
    pins[5].connected = 1;  // a sixth pin, which only a damaged file marks present
    EXPECT_EQ(indicatorNumber(pins), 2 + 4 + 16);
}

TEST(ElementTest, SetPositionTruncatesTowardZeroToMultiplesOfFive) {
    CLogicElement gate(true, 2, false);
    gate.setPosition(-7, 12);
    EXPECT_EQ(gate.x, -5);
    EXPECT_EQ(gate.y, 10);
    CBlockElement trigger(Trigger);
    trigger.setPosition(14, 19);
    EXPECT_EQ(trigger.x, 10);
    EXPECT_EQ(trigger.y, 15);
}

TEST(BlockElementTest, KindsHaveTheirPinsBitmapsSizesAndAnchors) {
    CBlockElement trigger(Trigger);
    EXPECT_EQ(presentPins(trigger.pins), (std::vector<int>{0, 3, 6, 9, 10}));
    EXPECT_EQ(trigger.pins[9].value, 0);
    EXPECT_EQ(trigger.pins[10].value, 1);
    EXPECT_EQ(trigger.bitmap, 116);
    EXPECT_EQ(trigger.pinOffset(9), (Point{40, 10}));
    EXPECT_EQ(trigger.pinOffset(10), (Point{40, 30}));
    EXPECT_EQ(trigger.pinOffset(3), (Point{0, 20}));

    CBlockElement summer(Summer);
    EXPECT_EQ(presentPins(summer.pins), (std::vector<int>{0, 3, 6, 9, 10}));
    EXPECT_EQ(summer.pins[10].value, 0);
    EXPECT_EQ(summer.bitmap, 118);
    EXPECT_EQ(summer.width, 40);

    CBlockElement signal(EntrSignal);
    EXPECT_EQ(presentPins(signal.pins), (std::vector<int>{9}));
    EXPECT_EQ(signal.bitmap, 113);
    EXPECT_EQ(signal.width, 26);
    EXPECT_EQ(signal.height, 21);
    EXPECT_EQ(signal.pinOffset(9), (Point{25, 10}));

    CBlockElement generator(GTI);
    EXPECT_EQ(presentPins(generator.pins), (std::vector<int>{9}));
    EXPECT_EQ(generator.bitmap, 133);
    EXPECT_EQ(generator.pinOffset(9), (Point{25, 10}));
    EXPECT_EQ(generator.tickCounter, 0u);
}

TEST(WireTest, AppendPointsKeepsOldPointsFirst) {
    CWire wire;
    const Point one[] = {{5, 5}};
    wire.appendPoints(one);
    EXPECT_EQ(wire.pointCount(), 1u);
    const Point three[] = {{1, 1}, {2, 2}, {3, 3}};
    wire.appendPoints(three);
    EXPECT_EQ(wire.points, (std::vector<Point>{{5, 5}, {1, 1}, {2, 2}, {3, 3}}));
}

}  // namespace
