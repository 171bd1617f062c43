#pragma once
#include <cstdint>
#include <vector>

#include "analysis/CoverBounds.h"
#include "analysis/CoverTable.h"
#include "analysis/WorkBudget.h"

namespace analysis {

// Covers good enough to bound a search from above: few columns, and of those a low
// cost. Columns are the table's own numbers, ascending.

int64_t costOf(const CoverTable& table, const std::vector<uint32_t>& cover);

// Each time the column that covers the most rows still uncovered (the cheapest of
// those), then without the columns that the others make unnecessary, the dearest
// first.
std::vector<uint32_t> greedyCover(const CoverTable& table);

// The columns that make up the bound, then greedily as above by the least reduced
// cost per row: a cover that the bound's multipliers suggest, often a least one
// once the bound is close.
std::vector<uint32_t> reducedCostCover(const CoverTable& table, BoundKind kind,
                                       const std::vector<double>& reduced,
                                       const std::vector<uint8_t>& selected);

// The cover improved while the budget lasts by taking one column in and the
// columns it makes unnecessary out, as long as that leaves fewer columns, or as
// many at a lower cost.
std::vector<uint32_t> improvedCover(const CoverTable& table, const std::vector<uint32_t>& cover,
                                    WorkBudget& budget);

}  // namespace analysis
