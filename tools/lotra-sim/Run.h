#pragma once
#include <ostream>

#include "tools/lotra-sim/Options.h"

namespace lotrasim {

// Reads the file, powers on and ticks as asked, prints the report to `out` and
// writes the circuit when asked. Returns the exit status; problems go to `err` as
// one line each.
int run(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace lotrasim
