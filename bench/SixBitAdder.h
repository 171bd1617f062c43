#pragma once
#include "model/Circuit.h"

// A six-bit adder of summers: inputs a0 b0 a1 b1 ... (12 of them), the sums and the
// last carry on two indicators, 7 functions of 12 variables.
void buildSixBitAdder(CCircuit& circuit);
