#pragma once
// The largest circuits the tables hold, for the benchmarks and for setting the page's
// speed beside the native one.
#include "bench/TableFiller.h"
#include "model/Circuit.h"

// An input signal at 1 feeding 255 inverters in one chain. The other 126 block
// slots hold a ripple-carry adder of 63 summers and 63 JK triggers clocked by its
// sums, all fed by branches off the chain; the rest of the wire table is dangling
// branches on the chain's nets.
void buildFullChain(CCircuit& circuit, TableFiller& fill);

// 127 generators (10 ticks, pulse 5, delays 0 to 9) into a chain of 255 two-input
// AND gates: gate i takes generator i / 2 and gate i - 1. Some generator reaches a
// switching point on every tick, so every tick settles the chain.
void buildGeneratorChain(CCircuit& circuit, TableFiller& fill);
