#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "sim/Simulation.h"
#include "support/CircuitBuilder.h"
#include "support/CircuitChecks.h"

// settle walks the wires once and then only copies levels; here it is checked
// against the plain loop that walks every output's wire again in every pass.
namespace {

void walkOutput(CCircuit& circuit, const Pin& output) {
    std::vector<int32_t> visited{output.wireIndex};
    sim::propagate(circuit, output.wireIndex, visited, output.value);
}

sim::SettleResult settleByWalkingEveryPass(CCircuit& circuit) {
    sim::SettleResult result;
    bool changed = true;
    while (changed && result.passes < sim::kSettlePassLimit) {
        for (const auto& element : circuit.blockElements) {
            if (!element) continue;
            if (element->pins[9].connected) walkOutput(circuit, element->pins[9]);
            if (element->pins[10].present && element->pins[10].connected)
                walkOutput(circuit, element->pins[10]);
        }
        for (const auto& element : circuit.logicElements)
            if (element && element->pins[9].connected) walkOutput(circuit, element->pins[9]);
        changed = sim::evaluateAll(circuit);
        ++result.passes;
    }
    result.settled = !changed;
    return result;
}

struct PinRef {
    int32_t kind, slot, pin;
};

void collectPins(const Pins& pins, int32_t kind, int32_t slot, std::vector<PinRef>& inputs,
                 std::vector<PinRef>& outputs) {
    for (int p = 0; p < kPinCount; ++p) {
        if (!pins[p].present) continue;
        (isInputPin(p) ? inputs : outputs).push_back({kind, slot, p});
    }
}

// Gates, blocks and an indicator joined at random: direct wires, branches onto
// nets, and outputs joined onto nets that already have a driver.
void buildRandomCircuit(CCircuit& circuit, unsigned seed) {
    CircuitBuilder build(circuit);
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    std::vector<PinRef> inputs, outputs;
    for (int i = 0; i < 14; ++i) {
        const int32_t slot = build.gate(pick(2), static_cast<uint16_t>(1 + pick(9)), pick(2));
        collectPins(circuit.logicElements[slot]->pins, LogicElement, slot, inputs, outputs);
    }
    const int32_t display = build.indicator();
    collectPins(circuit.logicElements[display]->pins, Indicator, display, inputs, outputs);
    const ElementKind blockKinds[] = {Trigger, Summer, EntrSignal, GTI};
    for (int i = 0; i < 8; ++i) {
        const int32_t slot = build.block(blockKinds[pick(4)]);
        CBlockElement& element = *circuit.blockElements[slot];
        if (element.kind == EntrSignal) element.pins[9].value = static_cast<uint8_t>(pick(2));
        if (element.kind == GTI)
            element.setupGenerator(static_cast<uint32_t>(2 + pick(4)), 1 + pick(2), pick(3));
        collectPins(element.pins, element.kind, slot, inputs, outputs);
    }
    std::shuffle(inputs.begin(), inputs.end(), rng);
    std::shuffle(outputs.begin(), outputs.end(), rng);
    std::vector<int32_t> nets;
    size_t nextOutput = 0;
    for (const PinRef& in : inputs) {
        if (pick(5) == 0) continue;  // left unwired
        if (nets.empty() || (pick(3) == 0 && nextOutput < outputs.size())) {
            const PinRef& out = outputs[nextOutput++];
            nets.push_back(build.wire(out.kind, out.slot, out.pin, in.kind, in.slot, in.pin));
        } else {
            const int32_t branch = build.stub(in.kind, in.slot, in.pin, {700, 700});
            build.join(branch, 1, nets[pick(static_cast<int>(nets.size()))]);
            nets.push_back(branch);
        }
    }
    // Some of the remaining outputs drive nets that already have a driver.
    for (; nextOutput < outputs.size() && !nets.empty(); ++nextOutput) {
        if (pick(2) == 0) continue;
        const PinRef& out = outputs[nextOutput];
        const int32_t branch = build.stub(out.kind, out.slot, out.pin, {800, 800});
        build.join(branch, 1, nets[pick(static_cast<int>(nets.size()))]);
    }
}

void expectSameLevels(const CCircuit& actual, const CCircuit& expected) {
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
        if (!expected.logicElements[s]) continue;
        for (int p = 0; p < kPinCount; ++p)
            ASSERT_EQ(actual.logicElements[s]->pins[p].value,
                      expected.logicElements[s]->pins[p].value)
                << "logic slot " << s << " pin " << p;
    }
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        if (!expected.blockElements[s]) continue;
        const CBlockElement& a = *actual.blockElements[s];
        const CBlockElement& e = *expected.blockElements[s];
        for (int p = 0; p < kPinCount; ++p)
            ASSERT_EQ(a.pins[p].value, e.pins[p].value) << "block slot " << s << " pin " << p;
        ASSERT_EQ(a.clockArmed, e.clockArmed) << "block slot " << s;
        ASSERT_EQ(a.latchedJ, e.latchedJ) << "block slot " << s;
        ASSERT_EQ(a.latchedK, e.latchedK) << "block slot " << s;
    }
}

TEST(SettleOracleTest, RandomCircuitsSettleExactlyAsTheWalkEveryPassLoop) {
    int oscillating = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        CCircuit circuit, reference;
        buildRandomCircuit(circuit, seed);
        buildRandomCircuit(reference, seed);
        ASSERT_TRUE(circuitLinkViolations(circuit).empty());

        sim::resetSignals(reference);
        const sim::SettleResult expected = settleByWalkingEveryPass(reference);
        const sim::SettleResult actual = sim::switchPowerOn(circuit);
        ASSERT_EQ(actual.passes, expected.passes);
        ASSERT_EQ(actual.settled, expected.settled);
        expectSameLevels(circuit, reference);
        // Ticking an oscillator only repeats the pass bound, slowly.
        if (!expected.settled) {
            ++oscillating;
            continue;
        }
        for (int tick = 0; tick < 12; ++tick) {
            bool switched = false;
            for (auto& element : reference.blockElements)
                if (element && element->kind == GTI && element->generatorTick()) switched = true;
            if (switched) settleByWalkingEveryPass(reference);
            ASSERT_EQ(sim::clockTick(circuit), switched);
            expectSameLevels(circuit, reference);
        }
    }
    // The seeds give both kinds of circuit: most settle, some oscillate.
    EXPECT_GT(oscillating, 0);
    EXPECT_LT(oscillating, 150);
}

}  // namespace
