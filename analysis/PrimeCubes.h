#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/NormalForm.h"

namespace analysis {

// The rows of a table where it holds `value`, as 1 bytes in a table of 2^n bytes.
// (The minimiser covers ones for a DNF and zeros for a CNF alike.)
using RowSet = std::vector<uint8_t>;

// Every prime cube of the set: each cube inside it that no larger cube inside it
// contains. The cubes are found on the table of all 3^n cubes, so this is for
// n <= 12 (half a megabyte of table, a few milliseconds).
std::vector<Cube> primeCubes(const RowSet& inside, int variableCount);

// The rows of a cube, in ascending order of their free bits.
template <typename Visit>
void forEachRow(const Cube& cube, int variableCount, Visit visit) {
    const uint32_t free = ((uint32_t{1} << variableCount) - 1) & ~cube.care;
    uint32_t part = 0;
    do {
        visit(cube.bits | part);
        part = (part - free) & free;  // the next subset of the free bits
    } while (part != 0);
}

}  // namespace analysis
