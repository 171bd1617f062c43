#pragma once
#include <cstdint>
#include <vector>

#include "analysis/NormalForm.h"
#include "analysis/PrimeCubes.h"

namespace analysis {

// A cover of the set by cubes inside it, for tables too large for the table of all
// cubes: each row not yet covered grows into a prime cube, freeing at each step the
// variable that brings in the most rows still uncovered; then the cubes the others
// make unnecessary are left out, the smallest first. A good cover, not necessarily a
// least one. Once `work` row visits are spent, the remaining rows are taken as they
// are, so even the worst table takes bounded time.
std::vector<Cube> expandedCover(const RowSet& inside, int variableCount, uint64_t work);

}  // namespace analysis
