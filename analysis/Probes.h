#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Circuit.h"

namespace analysis {

// One value of the circuit that the truth table and the waveform follow: an output
// pin of an element, or the number an indicator shows.
struct Probe {
    static constexpr int kIndicatorNumber = -1;

    char table = 'L';  // 'L' logic-element table, 'B' block table
    int32_t slot = 0;
    ElementKind kind = LogicElement;
    int pin = kIndicatorNumber;  // 9 or 10 for an output pin

    bool isIndicator() const { return pin == kIndicatorNumber; }
    // "L3", "B0.9", "B2.10": the table, the slot and, for a pin, its number.
    std::string shortName() const;
};

// Every indicator's number and every output pin of every element, logic-element
// table first, then the block table, slots upward, pin 9 before pin 10.
std::vector<Probe> circuitProbes(const CCircuit& circuit);

// The pin's level, or the indicator's number 0 to 31. A probe whose element is
// gone reads 0.
int probeValue(const CCircuit& circuit, const Probe& probe);

}  // namespace analysis
