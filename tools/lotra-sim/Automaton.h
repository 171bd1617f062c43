#pragma once
#include <ostream>

#include "model/Circuit.h"
#include "tools/lotra-sim/Options.h"

namespace lotrasim {

// --automaton: the circuit's automaton as text, DOT or JSON. The exit status: 0,
// or 2 when the circuit passes the limits (the reason on `err`).
int printAutomaton(const CCircuit& circuit, const SimOptions& options, std::ostream& out,
                   std::ostream& err);

}  // namespace lotrasim
