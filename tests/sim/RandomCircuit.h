#pragma once
#include <random>
#include <string>

#include "model/Circuit.h"

// What went into a random circuit, so that a test can show that its seeds cover
// every kind of circuit it means to.
struct RandomCircuitTraits {
    bool ring = false;           // a ring of inverters or two cross-coupled gates
    bool sharedNet = false;      // more than one output drives a net
    bool junctionCycle = false;  // wires joined onto each other in a cycle
    bool oddBytes = false;       // levels other than 0 and 1, as a damaged file may hold
};

// Gates, indicators, triggers, summers, input signals and generators in random
// numbers, wired at random: direct wires, branches onto nets, outputs joined onto
// nets that already have a driver, bridges between nets, wires left dangling,
// feedback everywhere. The same seed builds the same circuit, slot for slot.
RandomCircuitTraits buildRandomCircuit(CCircuit& circuit, unsigned seed);

// One change of the kind the editor makes between settles, straight in the tables:
// a wire removed, added, joined on or moved to another pin, an element replaced,
// deleted, reconfigured or toggled, an output disconnected. Tells what it did. The
// same generator state makes the same change on equal circuits.
std::string applyRandomEdit(CCircuit& circuit, std::mt19937& rng);
