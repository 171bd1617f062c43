#include "sim/Evaluation.h"
#include "sim/Simulation.h"

namespace sim {

namespace {

// Walks the output's wire from scratch: a fresh visited list holding that wire.
void deliverOutput(CCircuit& circuit, const Pin& output, std::vector<int32_t>& visited) {
    visited.clear();
    visited.push_back(output.wireIndex);
    propagate(circuit, output.wireIndex, visited, output.value != 0 ? 1 : 0);
}

// Block outputs first and logic outputs after them, so where two outputs drive one
// net the later one in this order wins for the pass.
void deliverAllOutputs(CCircuit& circuit, std::vector<int32_t>& visited) {
    for (const auto& element : circuit.blockElements) {
        if (!element) continue;
        const Pin& q = element->pins[9];
        const Pin& secondOutput = element->pins[10];
        if (q.connected) deliverOutput(circuit, q, visited);
        if (secondOutput.present && secondOutput.connected)
            deliverOutput(circuit, secondOutput, visited);
    }
    for (const auto& element : circuit.logicElements) {
        if (element && element->pins[9].connected)
            deliverOutput(circuit, element->pins[9], visited);
    }
}

void clearPresentInputs(Pins& pins) {
    for (int p = 0; p < kFirstOutputPin; ++p)
        if (pins[p].present) pins[p].value = 0;
}

}  // namespace

SettleResult settle(CCircuit& circuit) {
    SettleResult result;
    std::vector<int32_t> visited;
    bool changed = true;
    while (changed && result.passes < kSettlePassLimit) {
        deliverAllOutputs(circuit, visited);
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
            element->pins[9].value = 0;
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
