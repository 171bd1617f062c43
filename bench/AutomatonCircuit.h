#pragma once
#include "model/Circuit.h"

// The sequential circuit the automaton is measured on: a clock signal, four input
// signals and six triggers. The first four triggers take the inputs as D triggers;
// the last two count the clocks on which the first one is set. All 64 states are
// reached, each with 16 input vectors; an indicator shows triggers 2 to 6.
void buildSixTriggerCircuit(CCircuit& circuit);
