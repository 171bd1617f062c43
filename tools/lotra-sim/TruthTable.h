#pragma once
#include <cstddef>
#include <ostream>
#include <string>

#include "model/Circuit.h"

namespace lotrasim {

// 2 to the power 16 rows is as much as a table in a terminal can be good for.
constexpr size_t kTruthTableInputLimit = 16;

// Prints the truth table of the circuit: the input signals in block-slot order
// take every combination, counting in binary with the lowest slot as the most
// significant bit. Each row starts from `circuit` as given, sets the signals,
// switches the power on as the power-on command does and lists, tab-separated, the
// inputs (B<slot>), the indicators' two-digit numbers (L<slot>) and every output of
// every gate, trigger and summer (L<slot>.9, B<slot>.9, B<slot>.10), under a header
// row of those names. False, with nothing printed and the reason in `error`, when
// the circuit has more than kTruthTableInputLimit input signals.
bool printTruthTable(const CCircuit& circuit, std::ostream& out, std::string& error);

}  // namespace lotrasim
