#pragma once
#include <cstdint>

#include "model/Circuit.h"

// The small circuit the window tests and the recovery fixture share: an input
// signal at 1 through an inverter into pin 0 of an indicator, and a generator
// (1 s period, 0.5 fill factor) into the clock of a JK trigger.
struct SampleCircuit {
    int32_t signal = 0;  // block slots
    int32_t generator = 0;
    int32_t trigger = 0;
    int32_t inverter = 0;  // logic slots
    int32_t indicator = 0;
};

SampleCircuit buildSampleCircuit(CCircuit& circuit);

// Where the e2e test finds the recovery file of the sample circuit.
inline constexpr const char* kSampleFixturePath = "tests/e2e/sample-circuit.vrt";
