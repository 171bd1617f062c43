#pragma once
#include <ostream>
#include <string>

#include "model/Circuit.h"

namespace lotrasim {

// --functions: the circuit's functions, their tables and minimal forms as text, or
// as one JSON object. The exit status: 0, or 2 when the circuit has too many variables.
int printFunctions(const CCircuit& circuit, bool json, std::ostream& out, std::ostream& err);

// --kmap: the Karnaugh map of one function with the loops of its first minimal DNF,
// written to `path` in the format its ending names. The exit status: 0; 1 when the
// file could not be written; 2 for no such function, one of fewer than 2 or more
// than 6 variables, or an ending that names no format.
int writeKarnaughMap(const CCircuit& circuit, const std::string& function, const std::string& path,
                     std::ostream& err);

}  // namespace lotrasim
