#pragma once
#include <ostream>

#include "tools/lotra-sim/Options.h"

namespace lotrasim {

// Checks each of options.checkedFiles against the reference circuit
// (options.checkReference) or the expected table (options.expectTable): the inputs
// take every combination and the indicators must show the reference's numbers after
// power on and, for a reference with a generator or a trigger, after each of
// options.ticks generator ticks. Prints one tab-separated line per file (its name,
// "совпадает", "не совпадает" and the first difference, or "не сравнить" and why)
// and "совпадают N из M". Returns 0 when every file matches, 1 when any does not or
// cannot be compared, 2 when the reference cannot be used (the reason on `err`).
int runCheck(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace lotrasim
