#pragma once
#include "model/Circuit.h"

// A small circuit with every kind of element, its levels set as the simulation would
// leave them with the power on: signals 1 and 0 and a generator in its pulse drive a
// conjunctor and an inverted disjunctor into a trigger, whose outputs and a summer's
// carry show on an indicator. One gate is selected and one wire highlighted.
struct EveryKindCircuit {
    CCircuit circuit;
    EveryKindCircuit();
};
