#pragma once
#include "model/Circuit.h"
#include "model/ElementParams.h"

// A ripple counter of JK triggers as a student draws it: a generator in block
// slot 0 clocks the first trigger, each trigger's Q clocks the next, and one input
// signal, switched to 1, holds every J and K at 1. The triggers take block slots 2
// onward, lowest bit first.
void buildRippleCounter(CCircuit& circuit, int bits, const GeneratorParams& clock);

// The generator of the counter the simulation is measured on: a period of 0.2 s
// and a fill factor of 0.5. At ten ticks a second its one-tick pulse rises and
// falls on the same tick, so the output stays 0 and the counter does not count;
// every other tick still settles the whole counter.
constexpr GeneratorParams kTwoTickClock{0.2f, 0.5f, 0.0f};
// The fastest dialog clock that counts: 0.3 s with a fill factor of 0.7 is three
// ticks with a two-tick pulse, high for one tick in three.
constexpr GeneratorParams kCountingClock{0.3f, 0.7f, 0.0f};
