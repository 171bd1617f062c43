// Writes the six-trigger, four-input circuit of bench_automaton as a circuit file,
// for timing lotra-sim --automaton and --check on it:  write_six_triggers OUT
#include <iostream>

#include "bench/AutomatonCircuit.h"
#include "io/CircuitFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_six_triggers OUT\n";
        return 2;
    }
    CCircuit circuit;
    buildSixTriggerCircuit(circuit);
    if (io::writeCircuitFile(argv[1], circuit)) return 0;
    std::cerr << "write_six_triggers: cannot write '" << argv[1] << "'\n";
    return 1;
}
