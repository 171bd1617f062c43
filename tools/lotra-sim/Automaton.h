#pragma once
#include <ostream>

#include "analysis/Automaton.h"
#include "model/Circuit.h"
#include "tools/lotra-sim/Options.h"

namespace lotrasim {

// --automaton: the circuit's automaton as text, DOT or JSON. The exit status: 0,
// or 2 when the circuit passes the limits (the reason on `err`).
int printAutomaton(const CCircuit& circuit, const SimOptions& options, std::ostream& out,
                   std::ostream& err);

// Tells on `err` that --clock is ignored when the circuit's generators give its
// step; `file` names the circuit, or is empty for the one --automaton reads.
void warnOfIgnoredClock(const analysis::CircuitAutomaton& automaton, const SimOptions& options,
                        const std::string& file, std::ostream& err);

}  // namespace lotrasim
