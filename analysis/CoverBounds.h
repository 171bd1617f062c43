#pragma once
#include <cstdint>
#include <vector>

#include "analysis/CoverTable.h"

namespace analysis {

// Rows that share no column each need a column of their own, so their cheapest
// columns together cost no more than any cover: a bound from below.
struct IndependentRows {
    int64_t cost = 0;
    // For each row, its cheapest cost if it is one of the independent rows, else 0.
    std::vector<int64_t> share;
};
// The shortest rows are taken first, as they leave the most rows free of their
// columns.
IndependentRows independentRows(const CoverTable& table);

// A bound from below by Lagrangian relaxation: for multipliers u >= 0 on the rows,
// no cover costs less than L(u) = sum of u + the sum of the negative reduced costs
// (a column's cost less the multipliers of its rows). The multipliers start from the
// table's weights or the independent rows' cheapest costs, whichever bounds higher,
// and follow the subgradient towards the bound from above for at most `steps` steps.
struct LagrangianBound {
    // No cover costs less (rounded up with a margin for the arithmetic).
    int64_t cost = 0;
    double value = 0;
    // Of each column under the best multipliers found. A cover holding a column
    // costs at least value + its reduced cost if positive; one without it at least
    // value - its reduced cost if negative.
    std::vector<double> reduced;
    std::vector<double> multipliers;
};
LagrangianBound lagrangianBound(const CoverTable& table, int64_t above, int steps);

// The columns that a bound settles for covers cheaper than `above`: those in none
// of them, and those in all of them.
struct SettledColumns {
    std::vector<uint8_t> out;  // for each column
    std::vector<uint32_t> in;
    bool any = false;
};
SettledColumns settledColumns(const LagrangianBound& below, int64_t above);

// The least whole cost not below a bound computed in floating point.
int64_t wholeCostAtLeast(double value);

// Each time the column that covers the most rows still uncovered (the cheaper of
// equals), then without the columns that the others made unnecessary, costliest
// first: a bound from above. Columns are the table's own numbers.
std::vector<uint32_t> greedyCover(const CoverTable& table);

// The columns of negative reduced cost, then for each row still uncovered its column
// of the least reduced cost, then without the unnecessary ones: a cover that the
// bound's multipliers suggest, often a least one once the bound is close.
std::vector<uint32_t> reducedCostCover(const CoverTable& table, const std::vector<double>& reduced);

}  // namespace analysis
