#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Circuit.h"

// What a circuit computes is named as the course names it, and everything that
// analyses a circuit (its functions, its automaton, its timing diagram) takes the
// names and their order from here.
//
// Variables, in this order (the first the most significant bit of a table row):
//   Q1, Q2, ...  the triggers' Q, in reading order; a trigger's outputs are cut and
//                its Q taken as a variable, inverse Q as its complement;
//   G3, G4, ...  the gates that lie on a feedback loop (a latch made of gates), each
//                by its number among all gates in reading order (G3: the third gate);
//                each one's output is cut and taken as a variable;
//   X1, X2, ...  the input signals, in reading order.
// Functions of the variables, in this order:
//   J1, K1, J2, K2, ...  the levels that reach each trigger's J and K, and C1, C2, ...
//                        the level that reaches its clock, for a trigger that no
//                        generator clocks (a counter whose triggers clock each other);
//   G3+, G4+, ...        the level each cut gate computes from its inputs: its next value;
//   Y1.1, Y1.2, ... Y2.1 each connected input of each indicator (indicators in reading
//                        order), by the weight of the pin: Y1.1, Y1.2, Y1.4, Y1.8, Y1.16;
//   F1, F2, ...          the output of each gate wired to nothing (a circuit whose
//                        result is read off a gate's digit), in reading order.
namespace analysis {

// An indicator's inputs are its pins 0 to 4.
inline constexpr int kIndicatorInputs = 5;

// "Y" and 0 give "Y1": names are counted from 1.
std::string numberedName(const char* prefix, size_t index);

enum class VariableRole { TriggerState, GateState, Input };

struct CircuitVariable {
    std::string name;
    VariableRole role = VariableRole::Input;
    // The trigger's or input signal's block slot, or the gate's logic slot.
    int32_t slot = 0;
};

enum class FunctionRole { TriggerJ, TriggerK, TriggerClock, GateNext, Output, GateOutput };

struct CircuitFunctionName {
    std::string name;
    FunctionRole role = FunctionRole::Output;
    // The trigger's block slot, the gate's or the indicator's logic slot.
    int32_t slot = 0;
    int pin = 0;  // the input pin whose level it is (for GateNext the gate's output)
    // Of an output: the indicator's number in reading order, from 1.
    int indicator = 0;
};

struct CircuitNaming {
    std::vector<CircuitVariable> variables;
    std::vector<CircuitFunctionName> functions;
    bool hasTriggers() const;
    bool hasGateStates() const;
    std::vector<std::string> variableNames() const;
    // The function of that name, or nullptr.
    const CircuitFunctionName* function(const std::string& name) const;
};

CircuitNaming nameCircuit(const CCircuit& circuit);

// The triggers whose clock some generator's output reaches, block slots upward.
std::vector<int32_t> generatorClockedTriggers(const CCircuit& circuit);

// The gates on a feedback loop through gates and summers (triggers cut every loop
// through them), logic slots upward.
std::vector<int32_t> gatesOnFeedbackLoops(const CCircuit& circuit);

}  // namespace analysis
