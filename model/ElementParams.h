#pragma once
#include <cstdint>

// The values the gate and generator dialogs show and return.
struct LogicElementParams {
    bool isConjunction = true;
    uint32_t inputCount = 2;
    bool inverted = false;
    friend bool operator==(const LogicElementParams&, const LogicElementParams&) = default;
};

// Seconds and the fill factor, single precision as the user typed them.
struct GeneratorParams {
    float period = 1.0f;
    float duty = 0.5f;
    float delay = 0.0f;
    friend bool operator==(const GeneratorParams&, const GeneratorParams&) = default;
};
