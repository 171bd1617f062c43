#pragma once
#include <string>

#include "analysis/Automaton.h"

namespace analysis {

struct AutomatonReportOptions {
    bool letters = false;  // name the states A, B, C ... beside their bits
};

// A state's name as the tables and the graph show it: its bits, "A (01)" with letters.
std::string stateLabel(const Automaton& automaton, size_t state, bool letters);

// The automaton as readable Russian text: what it is, the names, the step, the start
// and the table of transitions and outputs (a Moore table shows each output in the
// state column, a Mealy table "next/output" in every cell).
std::string automatonText(const CircuitAutomaton& circuit,
                          const AutomatonReportOptions& options = {});
// Its state graph in the DOT language, the start marked by an arrow from a point.
std::string automatonDot(const CircuitAutomaton& circuit,
                         const AutomatonReportOptions& options = {});
// One JSON object: kind, inputs, outputs, state_variables, initial, states,
// transitions ({from, input, to, output}) and minimal_states.
std::string automatonJson(const CircuitAutomaton& circuit);

}  // namespace analysis
