#include <gtest/gtest.h>

#include <random>
#include <string>

#include "RandomCircuit.h"
#include "sim/SettlePlan.h"
#include "sim/Simulation.h"
#include "sim/Simulator.h"
#include "support/CircuitChecks.h"

// settle runs its passes on a plan of the wiring, kept from one settle to the next
// while the wiring stays the same. Here it is checked, level by level after every
// pass, against the plain loop that walks every output's wires again in every
// pass and evaluates every element from its record.
namespace {

void walkOutput(CCircuit& circuit, const Pin& output) {
    std::vector<int32_t> visited{output.wireIndex};
    sim::propagate(circuit, output.wireIndex, visited, output.value != 0 ? 1 : 0);
}

// One pass of the plain loop; true when an output changed.
bool plainPass(CCircuit& circuit) {
    for (const auto& element : circuit.blockElements) {
        if (!element) continue;
        if (element->pins[9].connected) walkOutput(circuit, element->pins[9]);
        if (element->pins[10].present && element->pins[10].connected)
            walkOutput(circuit, element->pins[10]);
    }
    for (const auto& element : circuit.logicElements)
        if (element && element->pins[9].connected) walkOutput(circuit, element->pins[9]);
    return sim::evaluateAll(circuit);
}

bool sameLevels(const Pins& a, const Pins& e) {
    for (int p = 0; p < kPinCount; ++p)
        if (a[p].value != e[p].value) return false;
    return true;
}

std::string pinLevels(const Pins& pins) {
    std::string levels;
    for (const Pin& pin : pins) levels += std::to_string(pin.value) + " ";
    return levels;
}

// The first element whose pin levels or trigger latches differ; empty when none.
std::string firstDifference(const CCircuit& actual, const CCircuit& expected) {
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
        if (!expected.logicElements[s]) continue;
        const Pins& a = actual.logicElements[s]->pins;
        const Pins& e = expected.logicElements[s]->pins;
        if (!sameLevels(a, e))
            return "L" + std::to_string(s) + ": " + pinLevels(a) + "instead of " + pinLevels(e);
    }
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        if (!expected.blockElements[s]) continue;
        const CBlockElement& a = *actual.blockElements[s];
        const CBlockElement& e = *expected.blockElements[s];
        if (!sameLevels(a.pins, e.pins))
            return "B" + std::to_string(s) + ": " + pinLevels(a.pins) + "instead of " +
                   pinLevels(e.pins);
        if (a.latchedJ != e.latchedJ || a.clockArmed != e.clockArmed || a.latchedK != e.latchedK)
            return "B" + std::to_string(s) + ": the latches differ";
    }
    return {};
}

struct Coverage {
    int settles = 0;
    int passes = 0;
    int oscillating = 0;  // stopped by the pass limit
    int newPlans = 0;     // settles that needed a new plan; the others kept theirs
    const sim::CSettlePlan* lastPlan = nullptr;
    RandomCircuitTraits seen;
};

// Settles both circuits pass by pass, the simulator's kept plan against the plain
// loop, comparing the changed flag and every level after every pass.
void settleSideBySide(sim::CSimulator& simulator, CCircuit& circuit, CCircuit& reference,
                      Coverage& coverage) {
    sim::CSettlePlan& plan = simulator.plan();
    if (&plan != coverage.lastPlan) ++coverage.newPlans;
    coverage.lastPlan = &plan;
    plan.begin();
    bool changed = true;
    int passes = 0;
    while (changed && passes < sim::kSettlePassLimit) {
        const bool planChanged = plan.pass();
        plan.storeLevels();
        changed = plainPass(reference);
        ++passes;
        ASSERT_EQ(planChanged, changed) << "pass " << passes;
        const std::string difference = firstDifference(circuit, reference);
        ASSERT_TRUE(difference.empty()) << "pass " << passes << ": " << difference;
    }
    ++coverage.settles;
    coverage.passes += passes;
    if (changed) ++coverage.oscillating;
}

constexpr unsigned kCircuits = 400;
constexpr int kRoundsAfterPowerOn = 8;

TEST(SettleOracleTest, RandomCircuitsSettlePassByPassAsThePlainLoop) {
    Coverage coverage;
    for (unsigned seed = 1; seed <= kCircuits; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CCircuit circuit, reference, oneOff;
        const RandomCircuitTraits traits = buildRandomCircuit(circuit, seed);
        buildRandomCircuit(reference, seed);
        buildRandomCircuit(oneOff, seed);
        ASSERT_TRUE(circuitLinkViolations(circuit).empty());
        coverage.seen.ring |= traits.ring;
        coverage.seen.sharedNet |= traits.sharedNet;
        coverage.seen.junctionCycle |= traits.junctionCycle;
        coverage.seen.oddBytes |= traits.oddBytes;

        sim::CSimulator simulator(circuit);
        sim::resetSignals(circuit);
        sim::resetSignals(reference);
        const int oscillatingBefore = coverage.oscillating;
        ASSERT_NO_FATAL_FAILURE(settleSideBySide(simulator, circuit, reference, coverage));
        // The one-off settle of the power-on command ends where the pass-by-pass one did.
        const sim::SettleResult oneOffResult = sim::switchPowerOn(oneOff);
        ASSERT_EQ(oneOffResult.settled, coverage.oscillating == oscillatingBefore);
        ASSERT_EQ(firstDifference(oneOff, reference), "");

        // Generator ticks and the editor's changes, one after another, on the kept plan.
        // An oscillating circuit repeats the pass limit slowly, so it gets fewer rounds.
        std::mt19937 rounds(seed);
        const int roundCount = coverage.oscillating == oscillatingBefore ? kRoundsAfterPowerOn : 1;
        for (int round = 0; round < roundCount; ++round) {
            if (std::uniform_int_distribution<int>(0, 2)(rounds) == 0) {
                const bool switched = sim::tickGenerators(circuit);
                ASSERT_EQ(sim::tickGenerators(reference), switched);
                if (!switched) continue;
            } else {
                std::mt19937 same = rounds;
                const std::string edit = applyRandomEdit(circuit, rounds);
                applyRandomEdit(reference, same);
                SCOPED_TRACE(edit);
            }
            ASSERT_NO_FATAL_FAILURE(settleSideBySide(simulator, circuit, reference, coverage));
        }
    }
    // Every kind of circuit was there, and the comparison ran long enough to mean it.
    EXPECT_TRUE(coverage.seen.ring && coverage.seen.sharedNet && coverage.seen.junctionCycle &&
                coverage.seen.oddBytes);
    EXPECT_GT(coverage.oscillating, 20);
    EXPECT_LT(coverage.oscillating, coverage.settles / 2);
    EXPECT_GT(coverage.passes, 100000);
    // Both ways to a plan were taken many times: kept, and built anew after a change.
    EXPECT_GT(coverage.newPlans, static_cast<int>(2 * kCircuits));
    EXPECT_LT(coverage.newPlans, coverage.settles - static_cast<int>(kCircuits));
    std::cout << "[          ] " << kCircuits << " circuits, " << coverage.settles << " settles ("
              << coverage.newPlans << " on a new plan), " << coverage.passes << " passes compared, "
              << coverage.oscillating << " to the pass limit\n";
}

}  // namespace
