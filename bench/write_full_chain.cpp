// Writes the full-table chain of bench_settle to a circuit file, so that the page's
// settle of it can be timed beside the native benchmark.
// Usage: write_full_chain OUT
#include <iostream>

#include "bench/FullTables.h"
#include "io/CircuitFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_full_chain OUT\n";
        return 2;
    }
    CCircuit circuit;
    TableFiller fill(circuit);
    buildFullChain(circuit, fill);
    if (!fill.tablesFull() || !io::writeCircuitFile(argv[1], circuit)) {
        std::cerr << "write_full_chain: could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
