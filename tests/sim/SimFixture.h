#pragma once
#include <gtest/gtest.h>

#include "model/Circuit.h"
#include "support/CircuitBuilder.h"

// A circuit with a builder, and short names for the pins the tests look at.
class SimFixture : public ::testing::Test {
  protected:
    Pins& logicPins(int32_t slot) { return circuit.logicElements[slot]->pins; }
    CBlockElement& block(int32_t slot) { return *circuit.blockElements[slot]; }
    uint8_t output(int32_t logicSlot) { return logicPins(logicSlot)[9].value; }

    // An input signal already switched to `level`.
    int32_t signal(uint8_t level) {
        const int32_t slot = build.block(EntrSignal);
        block(slot).pins[9].value = level;
        return slot;
    }
    // A one-input gate: a buffer, or an inverter.
    int32_t buffer() { return build.gate(false, 1, false); }
    int32_t inverter() { return build.gate(false, 1, true); }

    CCircuit circuit;
    CircuitBuilder build{circuit};
};
