// Writes the 22-bit ripple counter of the benchmarks as a circuit file, for timing
// lotra-sim --ticks on it:  write_ripple_counter OUT [counting]
// With "counting" the generator runs at 0.3 s and the counter counts; without it,
// at the 0.2 s of the measured run.
#include <iostream>
#include <string>

#include "bench/RippleCounter.h"
#include "io/CircuitFile.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "counting")) {
        std::cerr << "usage: write_ripple_counter OUT [counting]\n";
        return 2;
    }
    CCircuit circuit;
    buildRippleCounter(circuit, 22, argc == 3 ? kCountingClock : kTwoTickClock);
    if (io::writeCircuitFile(argv[1], circuit)) return 0;
    std::cerr << "write_ripple_counter: cannot write '" << argv[1] << "'\n";
    return 1;
}
