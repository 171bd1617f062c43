#include "sim/Evaluation.h"

#include "sim/Simulation.h"

namespace sim {

namespace {

// Levels from files may be any byte; anything but 0 counts as 1.
uint8_t level(const Pin& pin) {
    return pin.value != 0 ? 1 : 0;
}

bool storeOutput(Pin& output, uint8_t newValue) {
    if (output.value == newValue) return false;
    output.value = newValue;
    return true;
}

bool evaluateTrigger(CBlockElement& trigger) {
    Pins& pins = trigger.pins;
    if (level(pins[kTriggerClock]) == 1) {
        // J and K as of the last evaluation with the clock high; Q moves on the falling edge.
        trigger.latchedJ = level(pins[kTriggerJ]);
        trigger.clockArmed = 1;
        trigger.latchedK = level(pins[kTriggerK]);
        return false;
    }
    if (!trigger.clockArmed) return false;
    const uint8_t q = level(pins[kTriggerQ]);
    const uint8_t notQ = level(pins[kTriggerNotQ]);
    const uint8_t next = (trigger.latchedJ && notQ) || (!trigger.latchedK && q) ? 1 : 0;
    trigger.clockArmed = 0;
    // Q and inverse Q may disagree in a damaged file, so both outputs count as changes.
    const bool qChanged = storeOutput(pins[kTriggerQ], next);
    const bool notQChanged = storeOutput(pins[kTriggerNotQ], next ? 0 : 1);
    return qChanged || notQChanged;
}

bool evaluateSummer(CBlockElement& summer) {
    Pins& pins = summer.pins;
    const int a = level(pins[kSummerA]);
    const int carryIn = level(pins[kSummerCarryIn]);
    const int b = level(pins[kSummerB]);
    const bool sumChanged = storeOutput(pins[kSummerSum], static_cast<uint8_t>(a ^ b ^ carryIn));
    const bool carryChanged = storeOutput(pins[kSummerCarryOut], a + b + carryIn >= 2 ? 1 : 0);
    return sumChanged || carryChanged;
}

}  // namespace

bool evaluateGate(CLogicElement& gate) {
    uint8_t accumulator = gate.isConjunction ? 1 : 0;
    for (int p = 0; p < kFirstOutputPin; ++p) {
        const Pin& pin = gate.pins[p];
        if (!pin.present) continue;
        accumulator = gate.isConjunction ? (accumulator & level(pin)) : (accumulator | level(pin));
    }
    if (gate.inverted) accumulator ^= 1;
    return storeOutput(gate.pins[kOutputPin], accumulator);
}

bool evaluateBlock(CBlockElement& element) {
    switch (kindInfo(element.kind).outputRule) {
        case OutputRule::Trigger:
            return evaluateTrigger(element);
        case OutputRule::Summer:
            return evaluateSummer(element);
        default:
            return false;
    }
}

bool isGate(const CLogicElement& element) {
    return kindInfo(element.kind).outputRule == OutputRule::Gate;
}

bool evaluateElement(CCircuit& circuit, ElementKind kind, int32_t slot) {
    const OutputRule rule = kindInfo(kind).outputRule;
    if (rule == OutputRule::Gate) {
        CLogicElement* gate = circuit.logicElement(slot);
        return gate && gate->kind == kind && evaluateGate(*gate);
    }
    if (isEvaluated(rule)) {
        CBlockElement* element = circuit.blockElement(slot);
        return element && element->kind == kind && evaluateBlock(*element);
    }
    return false;
}

bool evaluateAll(CCircuit& circuit) {
    bool changed = false;
    for (auto& element : circuit.blockElements)
        if (element && evaluateBlock(*element)) changed = true;
    for (auto& element : circuit.logicElements)
        if (element && isGate(*element) && evaluateGate(*element)) changed = true;
    return changed;
}

}  // namespace sim
