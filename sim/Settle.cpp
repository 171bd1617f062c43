#include "sim/Evaluation.h"
#include "sim/SettlePlan.h"
#include "sim/Simulation.h"

namespace sim {

namespace {

bool isGenerator(const CBlockElement& element) {
    return kindInfo(element.kind).outputRule == OutputRule::Clock;
}

bool isTrigger(const CBlockElement& element) {
    return kindInfo(element.kind).outputRule == OutputRule::Trigger;
}

// Back to the start of the period, with the output at 0.
void restartGenerator(CBlockElement& generator) {
    generator.tickCounter = 0;
    generator.pins[kOutputPin].value = 0;
}

void clearPresentInputs(Pins& pins) {
    for (int p = 0; p < kFirstOutputPin; ++p)
        if (pins[p].present) pins[p].value = 0;
}

}  // namespace

SettleResult settle(CCircuit& circuit) {
    return CSettlePlan(circuit).settle();
}

void resetSignals(CCircuit& circuit) {
    for (auto& element : circuit.logicElements) {
        if (!element) continue;
        clearPresentInputs(element->pins);
        // An inverted gate with its inputs at 0 shows 1 right away.
        if (isGate(*element)) evaluateGate(*element);
    }
    for (auto& element : circuit.blockElements) {
        if (!element) continue;
        if (isGenerator(*element)) {
            restartGenerator(*element);
        } else {
            clearPresentInputs(element->pins);
        }
    }
}

void resetTriggers(CCircuit& circuit) {
    for (auto& element : circuit.blockElements) {
        if (!element) continue;
        if (isGenerator(*element)) restartGenerator(*element);
        if (!isTrigger(*element)) continue;
        element->pins[kTriggerQ].value = 0;
        element->pins[kTriggerNotQ].value = 1;
        element->latchedJ = 0;
        element->clockArmed = 0;
        element->latchedK = 0;
    }
}

SettleResult switchPowerOn(CCircuit& circuit) {
    resetSignals(circuit);
    return settle(circuit);
}

bool tickGenerators(CCircuit& circuit) {
    bool switched = false;
    for (auto& element : circuit.blockElements) {
        // Every generator ticks, whether or not an earlier one already switched.
        if (element && isGenerator(*element) && element->generatorTick()) switched = true;
    }
    return switched;
}

bool clockTick(CCircuit& circuit) {
    if (!tickGenerators(circuit)) return false;
    settle(circuit);
    return true;
}

}  // namespace sim
