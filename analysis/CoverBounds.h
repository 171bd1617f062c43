#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "analysis/CoverTable.h"

namespace analysis {

// What a bound from below bounds: the number of columns of any cover, or the cost
// of a cover of exactly `columns` columns (the least number any cover of the table
// has, so that the bound may assume it).
struct BoundKind {
    bool countsColumns = true;
    size_t columns = 0;
};

// A bound from below by Lagrangian relaxation. For multipliers u >= 0 on the rows,
// a column's reduced cost is its cost (1 when counting columns) less the
// multipliers of its rows, and no cover costs less than L(u) = the sum of u + the
// least sum of reduced costs the columns allow: of the negative ones when counting
// columns, of the `columns` least ones otherwise. The multipliers start from the
// table's weights for the kind (or, when it has none, from each row's cheapest
// share of a column) and follow the subgradient towards `above` (all the search
// needs) for at most `steps` steps, stopping once the bound reaches `above`.
struct LagrangianBound {
    BoundKind kind;
    int64_t cost = 0;  // no cover costs less
    double value = 0;
    // Under the best multipliers found: each column's reduced cost, and whether it
    // is among the columns that make up L(u).
    std::vector<double> reduced;
    std::vector<uint8_t> selected;
    std::vector<double> multipliers;
    // The dearest reduced cost selected and the cheapest not selected, for the
    // bounds with one column more or less (see settledColumns).
    double lastSelected = 0;
    double firstUnselected = 0;
};
// `sawStep`, when given, sees the reduced costs and the selected columns of every
// kStepsSeen steps, for the covers they suggest.
inline constexpr int kStepsSeen = 10;
using StepView =
    std::function<void(const std::vector<double>& reduced, const std::vector<uint8_t>& selected)>;
LagrangianBound lagrangianBound(const CoverTable& table, BoundKind kind, int64_t above, int steps,
                                uint64_t& work, const StepView& sawStep = {});

// The least whole number not below a bound computed in floating point.
int64_t wholeAtLeast(double value);

// L(u) for the table's weights for the kind (0 when it has none).
double relaxationValue(const CoverTable& table, BoundKind kind, uint64_t& work);

// The columns that a bound settles for covers cheaper than `above`: those in none
// of them, and those in all of them.
struct SettledColumns {
    std::vector<uint8_t> out;  // for each column
    std::vector<uint32_t> in;
    bool any = false;
};
SettledColumns settledColumns(const LagrangianBound& below, int64_t above);

}  // namespace analysis
