// Writes the six-bit adder of bench_functions (12 inputs) as a circuit file, for
// timing the page's functions panel on it:  write_six_bit_adder OUT
#include <iostream>

#include "bench/SixBitAdder.h"
#include "io/CircuitFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_six_bit_adder OUT\n";
        return 2;
    }
    CCircuit circuit;
    buildSixBitAdder(circuit);
    if (io::writeCircuitFile(argv[1], circuit)) return 0;
    std::cerr << "write_six_bit_adder: cannot write '" << argv[1] << "'\n";
    return 1;
}
