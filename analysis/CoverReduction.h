#pragma once
#include <cstdint>

#include "analysis/CoverTable.h"

namespace analysis {

// Which columns a reduction may drop for another that covers at least their rows.
enum class Dominance {
    // For any one: a cover of as few columns survives, which is all that finding
    // the fewest columns needs.
    AnyCost,
    // Only for a cheaper one: every least cover survives, so all can be listed.
    Cheaper,
    // For one that is no dearer: some least cover survives, which is all that
    // finding the least cost needs, and far fewer columns remain.
    NoDearer,
};

// Until nothing changes: takes the columns that alone cover a row, appending them
// to `taken` and their cost to `takenCost`; makes one column of columns that cover
// the same rows at the same cost (any of them does wherever one does, and a least
// cover holds at most one); drops the columns that another covering at least their
// rows makes unnecessary (see Dominance); drops the rows whose every column also
// covers another row. Then leaves out what is gone. False when a row is left that
// no column covers. `work` grows by the entries read.
bool reduceTable(CoverTable& table, Dominance dominance, ColumnChoices& taken, int64_t& takenCost,
                 uint64_t& work);

}  // namespace analysis
