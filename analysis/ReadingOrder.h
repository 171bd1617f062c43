#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"
#include "model/ElementKinds.h"

// The order in which a reader of the drawing meets elements: top to bottom, and
// left to right among those at one height; of two at one point the lower slot
// first. Inputs, indicators, triggers and gates are numbered in it wherever the
// program names them for the user (X1, Y1, Q1, the class check's columns).
namespace analysis {

// The slots of the logic-element table whose element has that output rule, or
// shows a number, in reading order.
std::vector<int32_t> logicSlotsInReadingOrder(const CCircuit& circuit, OutputRule rule);
std::vector<int32_t> indicatorsInReadingOrder(const CCircuit& circuit);
// The slots of the block table whose element has that output rule, in reading order.
std::vector<int32_t> blockSlotsInReadingOrder(const CCircuit& circuit, OutputRule rule);

// The input signals and the triggers.
inline std::vector<int32_t> inputSignalsInReadingOrder(const CCircuit& circuit) {
    return blockSlotsInReadingOrder(circuit, OutputRule::User);
}
inline std::vector<int32_t> triggersInReadingOrder(const CCircuit& circuit) {
    return blockSlotsInReadingOrder(circuit, OutputRule::Trigger);
}

}  // namespace analysis
