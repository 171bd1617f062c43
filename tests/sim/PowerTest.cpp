#include "SimFixture.h"
#include "sim/Simulation.h"

namespace {

using PowerTest = SimFixture;

TEST_F(PowerTest, ResetClearsInputsAndCountersButKeepsStoredOutputs) {
    const int32_t nand = build.gate(true, 2, true);
    const int32_t plain = build.gate(false, 3, false);
    const int32_t display = build.indicator();
    const int32_t trigger = build.block(Trigger);
    const int32_t summer = build.block(Summer);
    const int32_t source = signal(1);
    const int32_t generator = build.block(GTI);
    block(generator).setupGenerator(10, 5, 0);
    for (int tick = 0; tick < 3; ++tick) block(generator).generatorTick();
    for (int p = 0; p < kPinCount; ++p) {
        logicPins(nand)[p].value = 1;
        logicPins(plain)[p].value = 1;
        logicPins(display)[p].value = 1;
        block(trigger).pins[p].value = 1;
        block(summer).pins[p].value = 1;
    }
    block(trigger).latchedJ = 1;
    block(trigger).clockArmed = 1;

    sim::resetSignals(circuit);

    for (int p : {0, 4}) EXPECT_EQ(logicPins(nand)[p].value, 0);
    for (int p : {0, 1, 2, 3, 4}) EXPECT_EQ(logicPins(display)[p].value, 0);
    for (int p : {0, 3, 6}) {
        EXPECT_EQ(block(trigger).pins[p].value, 0);
        EXPECT_EQ(block(summer).pins[p].value, 0);
    }
    // Gate outputs are recomputed from the cleared inputs.
    EXPECT_EQ(output(nand), 1);
    EXPECT_EQ(output(plain), 0);
    // Absent pins are left alone.
    EXPECT_EQ(logicPins(nand)[1].value, 1);
    EXPECT_EQ(block(trigger).pins[1].value, 1);
    // Stored state survives: trigger outputs and latches, summer outputs, the manual signal.
    for (int p : {9, 10}) {
        EXPECT_EQ(block(trigger).pins[p].value, 1);
        EXPECT_EQ(block(summer).pins[p].value, 1);
    }
    EXPECT_EQ(block(trigger).latchedJ, 1);
    EXPECT_EQ(block(trigger).clockArmed, 1);
    EXPECT_EQ(block(source).pins[9].value, 1);
    EXPECT_EQ(block(generator).tickCounter, 0u);
    EXPECT_EQ(block(generator).pins[9].value, 0);
    EXPECT_EQ(block(generator).periodTicks, 10u);
}

TEST_F(PowerTest, PowerOnClearsLeftoverInputsAndAnInputSignalStillDrives) {
    const int32_t source = signal(1);
    const int32_t gate = build.gate(true, 2, false);
    build.wire(EntrSignal, source, 9, LogicElement, gate, 0);
    logicPins(gate)[4].value = 1;  // left over from a removed wire
    sim::switchPowerOn(circuit);
    EXPECT_EQ(logicPins(gate)[4].value, 0);
    EXPECT_EQ(output(gate), 0);

    logicPins(gate)[4].value = 1;
    sim::settle(circuit);
    EXPECT_EQ(output(gate), 1);
    sim::resetSignals(circuit);  // power off
    EXPECT_EQ(output(gate), 0);
    sim::switchPowerOn(circuit);
    EXPECT_EQ(logicPins(gate)[0].value, 1);
}

// J from an input signal at 1, K unwired; the clock comes from the generator,
// straight or through an inverter.
class ArmedTriggerTest : public SimFixture {
  protected:
    void wireTrigger(bool invertedClock) {
        build.wire(EntrSignal, signal(1), 9, Trigger, trigger, 0);
        if (!invertedClock) {
            build.wire(GTI, generator, 9, Trigger, trigger, 3);
            return;
        }
        const int32_t inverterSlot = inverter();
        build.wire(GTI, generator, 9, LogicElement, inverterSlot, 2);
        build.wire(LogicElement, inverterSlot, 9, Trigger, trigger, 3);
    }
    uint8_t q() { return block(trigger).pins[9].value; }

    int32_t trigger = build.block(Trigger);
    int32_t generator = build.block(GTI);
};

TEST_F(ArmedTriggerTest, ArmedWhenThePowerWentOffItUpdatesAtPowerOn) {
    block(generator).setupGenerator(10, 5, 0);
    wireTrigger(false);
    sim::switchPowerOn(circuit);
    EXPECT_TRUE(sim::clockTick(circuit));  // the generator rises: the clock goes high
    EXPECT_EQ(block(trigger).clockArmed, 1);
    EXPECT_EQ(q(), 0);

    sim::resetSignals(circuit);  // power off
    EXPECT_EQ(q(), 0);
    EXPECT_EQ(block(trigger).clockArmed, 1);
    // Power on resets the generator to 0: the first pass sees the falling edge.
    sim::switchPowerOn(circuit);
    EXPECT_EQ(q(), 1);
    EXPECT_EQ(block(trigger).pins[10].value, 0);
}

TEST_F(ArmedTriggerTest, ClockHighAtPowerOnFallsAtALaterTick) {
    block(generator).setupGenerator(10, 5, 2);
    wireTrigger(true);
    sim::switchPowerOn(circuit);
    EXPECT_EQ(block(trigger).clockArmed, 1);
    EXPECT_EQ(q(), 0);
    EXPECT_FALSE(sim::clockTick(circuit));
    EXPECT_FALSE(sim::clockTick(circuit));
    EXPECT_EQ(q(), 0);
    EXPECT_TRUE(sim::clockTick(circuit));  // counter 2: the generator rises
    EXPECT_EQ(q(), 1);
}

TEST_F(ArmedTriggerTest, ToggledByTheGeneratorOncePerPeriod) {
    block(generator).setupGenerator(4, 2, 0);
    wireTrigger(false);
    build.wire(EntrSignal, signal(1), 9, Trigger, trigger, 6);
    sim::switchPowerOn(circuit);
    std::vector<int> seen;
    for (int tick = 0; tick < 12; ++tick) {
        sim::clockTick(circuit);
        seen.push_back(q());
    }
    // Rises at counter 0 and falls at counter 1: Q flips on every fall.
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1}));
}

}  // namespace
