#include "SequentialCircuits.h"

int32_t CSequentialCircuit::signal(int32_t row) {
    return build_.block(EntrSignal, 0, 20 * row);
}

int32_t CSequentialCircuit::trigger(int32_t column) {
    return build_.block(Trigger, 100 + 100 * column, 400);
}

int32_t CSequentialCircuit::gate(bool isConjunction, uint16_t inputs, bool inverted) {
    next_ += 60;
    return build_.gate(isConjunction, inputs, inverted, next_, 600);
}

int32_t CSequentialCircuit::generator(uint32_t period, uint32_t pulse, int32_t row) {
    const int32_t slot = build_.block(GTI, 0, 20 * row);
    circuit_.blockElement(slot)->setupGenerator(period, pulse, 0);
    return slot;
}

int32_t CSequentialCircuit::indicator(int32_t row) {
    return build_.indicator(800, 20 * row);
}

CSequentialCircuit::Source CSequentialCircuit::one() {
    return out(gate(false, 1, true));
}

void CSequentialCircuit::connect(Source from, ElementKind toKind, int32_t toSlot, int toPin) {
    // A gate's inputs are counted among the pins its layout has.
    if (toKind == LogicElement) {
        const PinSet pins = gateLayout(circuit_.logicElement(toSlot)->inputCount)->inputPins;
        for (int pin = 0, n = toPin; pin < kFirstOutputPin; ++pin)
            if (hasPin(pins, pin) && n-- == 0) toPin = pin;
    }
    const auto key = std::make_tuple(static_cast<int>(from.kind), from.slot, from.pin);
    const auto first = wires_.find(key);
    if (first == wires_.end()) {
        wires_[key] = build_.wire(from.kind, from.slot, from.pin, toKind, toSlot, toPin);
        return;
    }
    const int32_t branch = build_.stub(toKind, toSlot, toPin, {1000, 1000});
    build_.join(branch, 1, first->second);
}

void CSequentialCircuit::toggleOn(Source from, int32_t trigger) {
    connect(from, Trigger, trigger, kTriggerJ);
    connect(from, Trigger, trigger, kTriggerK);
}

void CSequentialCircuit::dFrom(Source from, Source inverse, int32_t trigger) {
    connect(from, Trigger, trigger, kTriggerJ);
    connect(inverse, Trigger, trigger, kTriggerK);
}
