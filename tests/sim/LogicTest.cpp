#include <gtest/gtest.h>

#include "SimFixture.h"
#include "sim/Simulation.h"

namespace {

using LogicTest = SimFixture;

std::vector<int> presentInputs(const Pins& pins) {
    std::vector<int> inputs;
    for (int p = 0; p < kFirstOutputPin; ++p)
        if (pins[p].present) inputs.push_back(p);
    return inputs;
}

TEST_F(LogicTest, GatesCombineOnlyTheirPresentInputsForEveryInputCount) {
    for (uint16_t count = 1; count <= 9; ++count) {
        for (bool conjunction : {true, false}) {
            SCOPED_TRACE(testing::Message() << count << " inputs, and=" << conjunction);
            const int32_t slot = build.gate(conjunction, count, false);
            Pins& pins = logicPins(slot);
            const std::vector<int> inputs = presentInputs(pins);
            // Absent pins hold the opposite level, which must not leak into the result.
            for (int p = 0; p < kFirstOutputPin; ++p) pins[p].value = conjunction ? 0 : 1;
            for (int p : inputs) pins[p].value = conjunction ? 1 : 0;
            sim::evaluateElement(circuit, LogicElement, slot);
            EXPECT_EQ(pins[9].value, conjunction ? 1 : 0);
            // Flipping any single present input flips the result.
            for (int p : inputs) {
                pins[p].value ^= 1;
                EXPECT_TRUE(sim::evaluateElement(circuit, LogicElement, slot));
                EXPECT_EQ(pins[9].value, conjunction ? 0 : 1) << "input " << p;
                pins[p].value ^= 1;
                EXPECT_TRUE(sim::evaluateElement(circuit, LogicElement, slot));
            }
        }
    }
}

TEST_F(LogicTest, InversionAndTheChangedResult) {
    const int32_t nand = build.gate(true, 2, true);
    logicPins(nand)[0].value = 1;
    logicPins(nand)[4].value = 1;
    EXPECT_TRUE(sim::evaluateElement(circuit, LogicElement, nand));
    EXPECT_EQ(logicPins(nand)[9].value, 0);
    EXPECT_FALSE(sim::evaluateElement(circuit, LogicElement, nand));

    const int32_t inverter = build.gate(false, 1, true);
    EXPECT_FALSE(sim::evaluateElement(circuit, LogicElement, inverter));
    EXPECT_EQ(logicPins(inverter)[9].value, 1);
    // A level byte other than 0 or 1 reads as 1.
    logicPins(inverter)[2].value = 7;
    EXPECT_TRUE(sim::evaluateElement(circuit, LogicElement, inverter));
    EXPECT_EQ(logicPins(inverter)[9].value, 0);
}

TEST_F(LogicTest, SummerIsAFullAdder) {
    const int32_t summer = build.block(Summer);
    for (int row = 0; row < 8; ++row) {
        const int a = row & 1, carryIn = (row >> 1) & 1, b = (row >> 2) & 1;
        SCOPED_TRACE(testing::Message() << "A=" << a << " P=" << carryIn << " B=" << b);
        block(summer).pins[0].value = static_cast<uint8_t>(a);
        block(summer).pins[3].value = static_cast<uint8_t>(carryIn);
        block(summer).pins[6].value = static_cast<uint8_t>(b);
        sim::evaluateElement(circuit, Summer, summer);
        EXPECT_EQ(block(summer).pins[9].value, (a + b + carryIn) % 2);
        EXPECT_EQ(block(summer).pins[10].value, (a + b + carryIn) / 2);
        EXPECT_FALSE(sim::evaluateElement(circuit, Summer, summer));
    }
}

class TriggerTest : public LogicTest {
  protected:
    void SetUp() override { slot = build.block(Trigger); }
    // J, clock and K on the inputs, then one evaluation; true when an output changed.
    bool apply(int j, int clock, int k) {
        block(slot).pins[0].value = static_cast<uint8_t>(j);
        block(slot).pins[3].value = static_cast<uint8_t>(clock);
        block(slot).pins[6].value = static_cast<uint8_t>(k);
        return sim::evaluateElement(circuit, Trigger, slot);
    }
    // One clock pulse: high, then low.
    bool pulse(int j, int k) {
        EXPECT_FALSE(apply(j, 1, k));
        return apply(j, 0, k);
    }
    int q() { return block(slot).pins[9].value; }
    int notQ() { return block(slot).pins[10].value; }

    int32_t slot = 0;
};

TEST_F(TriggerTest, SetsOnTheFallingEdgeOnly) {
    EXPECT_FALSE(apply(1, 1, 0));
    EXPECT_FALSE(apply(1, 1, 0));
    EXPECT_EQ(q(), 0);
    EXPECT_EQ(block(slot).clockArmed, 1);
    EXPECT_TRUE(apply(1, 0, 0));
    EXPECT_EQ(q(), 1);
    EXPECT_EQ(notQ(), 0);
    EXPECT_EQ(block(slot).clockArmed, 0);
    // With the clock staying low nothing more happens, whatever J and K do.
    EXPECT_FALSE(apply(0, 0, 1));
    EXPECT_EQ(q(), 1);
}

TEST_F(TriggerTest, TogglesHoldsAndResets) {
    EXPECT_TRUE(pulse(1, 1));
    EXPECT_EQ(q(), 1);
    EXPECT_TRUE(pulse(1, 1));
    EXPECT_EQ(q(), 0);
    EXPECT_TRUE(pulse(1, 1));
    EXPECT_EQ(q(), 1);
    EXPECT_FALSE(pulse(0, 0));
    EXPECT_EQ(q(), 1);
    EXPECT_TRUE(pulse(0, 1));
    EXPECT_EQ(q(), 0);
    EXPECT_EQ(notQ(), 1);
}

TEST_F(TriggerTest, UsesJAndKAsLatchedInTheLastEvaluationWithTheClockHigh) {
    EXPECT_FALSE(apply(1, 1, 0));
    // J drops in the same evaluation as the clock: the latched J=1 still counts.
    EXPECT_TRUE(apply(0, 0, 0));
    EXPECT_EQ(q(), 1);
    // While the clock stays high the latches follow J and K to their last values.
    EXPECT_FALSE(apply(0, 1, 0));
    EXPECT_FALSE(apply(0, 1, 1));
    EXPECT_TRUE(apply(1, 0, 0));
    EXPECT_EQ(q(), 0);
}

TEST_F(TriggerTest, RepairsDisagreeingOutputsAndReportsIt) {
    // Q and inverse Q both at 1 can only come from a damaged file; holding Q
    // still rewrites inverse Q, which then has to be delivered.
    block(slot).pins[9].value = 1;
    block(slot).pins[10].value = 1;
    EXPECT_TRUE(pulse(0, 0));
    EXPECT_EQ(q(), 1);
    EXPECT_EQ(notQ(), 0);
}

TEST_F(LogicTest, ElementsWithoutARuleAndMismatchedLookupsChangeNothing) {
    const int32_t indicator = build.indicator();
    const int32_t signal = build.block(EntrSignal);
    const int32_t generator = build.block(GTI);
    const int32_t summer = build.block(Summer);
    logicPins(indicator)[0].value = 1;
    block(signal).pins[9].value = 1;
    block(summer).pins[0].value = 1;
    EXPECT_FALSE(sim::evaluateElement(circuit, Indicator, indicator));
    EXPECT_FALSE(sim::evaluateElement(circuit, LogicElement, indicator));
    EXPECT_EQ(logicPins(indicator)[9].value, 0);
    EXPECT_FALSE(sim::evaluateElement(circuit, EntrSignal, signal));
    EXPECT_FALSE(sim::evaluateElement(circuit, GTI, generator));
    EXPECT_FALSE(sim::evaluateElement(circuit, Trigger, summer));
    EXPECT_EQ(block(summer).pins[9].value, 0);
    EXPECT_EQ(block(signal).pins[9].value, 1);
    for (int32_t slot : {-1, 7, CCircuit::kLogicSlots, CCircuit::kBlockSlots})
        for (ElementKind kind : {LogicElement, Trigger, Summer})
            EXPECT_FALSE(sim::evaluateElement(circuit, kind, slot));
}

TEST_F(LogicTest, EvaluateAllComputesEveryElementAndReportsAnyChange) {
    const int32_t firstSummer = build.block(Summer);
    const int32_t secondSummer = build.block(Summer);
    const int32_t first = build.gate(false, 1, true);
    const int32_t second = build.gate(false, 1, false);
    block(firstSummer).pins[0].value = 1;
    block(secondSummer).pins[6].value = 1;
    logicPins(first)[2].value = 1;
    logicPins(second)[2].value = 1;
    EXPECT_TRUE(sim::evaluateAll(circuit));
    // No early stop: the elements after the first change are computed too.
    EXPECT_EQ(block(firstSummer).pins[9].value, 1);
    EXPECT_EQ(block(secondSummer).pins[9].value, 1);
    EXPECT_EQ(output(first), 0);
    EXPECT_EQ(output(second), 1);
    EXPECT_FALSE(sim::evaluateAll(circuit));
}

}  // namespace
