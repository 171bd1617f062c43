#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Circuit.h"

namespace analysis {

enum class AutomatonKind { Combinational, Moore, Mealy };

// A finite automaton with binary inputs and indicators' numbers for outputs,
// kept as its table: a transition and an output for every state and input vector.
struct Automaton {
    std::vector<std::string> inputNames;     // X1, X2, ... (X1 the most significant bit)
    std::vector<std::string> variableNames;  // Q1, ..., G1, ...; empty for a typed table
    size_t outputCount = 0;                  // indicators
    std::vector<std::string> states;         // state variables' bits, or typed names
    size_t initial = 0;
    std::vector<uint32_t> next;    // by state · vectors + input
    std::vector<uint8_t> outputs;  // by (state · vectors + input) · outputCount + indicator

    uint32_t vectors() const { return uint32_t{1} << inputNames.size(); }
    size_t stateCount() const { return states.size(); }
    uint32_t nextState(size_t state, uint32_t input) const {
        return next[state * vectors() + input];
    }
    const uint8_t* output(size_t state, uint32_t input) const {
        return &outputs[(state * vectors() + input) * outputCount];
    }
};

// Moore when every state's output is one for every input vector; combinational
// when the circuit has no state variables.
AutomatonKind automatonKind(const Automaton& automaton);

// Each state's class of equivalent states by partition refinement: two states
// share a class when every input sequence gives the same outputs from both.
// Classes are numbered in the order of their first state.
std::vector<uint32_t> equivalenceClasses(const Automaton& automaton);
size_t minimalStateCount(const Automaton& automaton);

// An input vector as its bits, X1 first: "101" for 5 of three inputs.
std::string inputBits(uint32_t vector, size_t inputCount);

// How the automaton of a circuit is built.
struct AutomatonOptions {
    int clockOrdinal = 0;    // the clock signal's place among the inputs, from 1; 0 to find it
    bool allStates = false;  // every combination of the triggers' Q a start too
};

inline constexpr size_t kMaxAutomatonInputs = 16;
inline constexpr size_t kMaxAutomatonStates = 4096;

// The automaton of a circuit and how it was clocked.
struct CircuitAutomaton {
    Automaton automaton;
    AutomatonKind kind = AutomatonKind::Combinational;
    size_t minimalStates = 1;
    std::string step;        // what one clock is, in Russian
    uint64_t unsettled = 0;  // settles that stopped at their pass bound
    // A clock signal was named, but the circuit's generators give its step.
    bool clockIgnored = false;
};

// Explores the circuit's states breadth first from power on, input vectors in
// binary order, on a copy of the circuit run by the program's own settle. Nothing,
// with the reason in Russian in `error`, past 16 inputs or 4096 states or when the
// exploration would take too long.
std::optional<CircuitAutomaton> circuitAutomaton(const CCircuit& circuit,
                                                 const AutomatonOptions& options,
                                                 std::string& error);

}  // namespace analysis
