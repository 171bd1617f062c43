// Writes the two crafted circuits whose repaint bench_paint times, so that the
// page's repaint of them can be timed beside it: a million mutual junction ends of
// two wires on one visible point, and a wire of twenty million points far to the
// right of the window.
// Usage: write_crafted_repaints PILE_OUT FAR_OUT
#include <iostream>
#include <memory>

#include "bench/CraftedWires.h"
#include "io/CircuitFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_crafted_repaints PILE_OUT FAR_OUT\n";
        return 2;
    }
    CCircuit pile;
    addJunctionPile(pile);
    CCircuit far;
    addFarAwayWire(far);
    if (!io::writeCircuitFile(argv[1], pile) || !io::writeCircuitFile(argv[2], far)) {
        std::cerr << "write_crafted_repaints: could not write the files\n";
        return 1;
    }
    return 0;
}
