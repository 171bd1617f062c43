#include "sim/DeliveryPlan.h"
#include "sim/Evaluation.h"
#include "sim/Simulation.h"

namespace sim {

namespace {

void clearPresentInputs(Pins& pins) {
    for (int p = 0; p < kFirstOutputPin; ++p)
        if (pins[p].present) pins[p].value = 0;
}

}  // namespace

SettleResult settle(CCircuit& circuit) {
    SettleResult result;
    const DeliveryPlan plan(circuit);
    bool changed = true;
    while (changed && result.passes < kSettlePassLimit) {
        plan.deliver();
        changed = evaluateAll(circuit);
        ++result.passes;
    }
    result.settled = !changed;
    return result;
}

void resetSignals(CCircuit& circuit) {
    for (auto& element : circuit.logicElements) {
        if (!element) continue;
        clearPresentInputs(element->pins);
        // An inverted gate with its inputs at 0 shows 1 right away.
        if (element->kind == LogicElement) evaluateGate(*element);
    }
    for (auto& element : circuit.blockElements) {
        if (!element) continue;
        if (element->kind == GTI) {
            element->tickCounter = 0;
            element->pins[kOutputPin].value = 0;
        } else {
            clearPresentInputs(element->pins);
        }
    }
}

SettleResult switchPowerOn(CCircuit& circuit) {
    resetSignals(circuit);
    return settle(circuit);
}

bool clockTick(CCircuit& circuit) {
    bool switched = false;
    for (auto& element : circuit.blockElements) {
        // Every generator ticks, whether or not an earlier one already switched.
        if (element && element->kind == GTI && element->generatorTick()) switched = true;
    }
    if (switched) settle(circuit);
    return switched;
}

}  // namespace sim
