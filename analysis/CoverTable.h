#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/CoverProblem.h"
#include "analysis/PackedLists.h"

namespace analysis {

// A cover problem, or what is left of one, with its own numbering of columns.
struct CoverTable {
    PackedLists rows;                // each row's columns, ascending
    std::vector<int64_t> cost;       // of each column
    std::vector<uint32_t> original;  // each column's number in the problem
    // The rows' multipliers of the last bound from below (see CoverBounds.h), which
    // the next bound on what is left of the table starts from; empty at first.
    std::vector<double> weight;

    static CoverTable of(const CoverProblem& problem);
    // The rows of each column, ascending.
    PackedLists columnRows() const { return rows.transposed(cost.size()); }
};

// Which columns a reduction may drop for another that covers at least their rows.
enum class Dominance {
    // Only for a cheaper one: every least cover survives, so all can be listed.
    Cheaper,
    // For one that is no dearer: some least cover survives, which is all that
    // finding the least cost needs, and far fewer columns remain.
    NoDearer,
};

// Takes the columns that alone cover a row (appending their original numbers to
// `taken`), drops dominated columns and the rows whose every column covers another
// row too, until nothing changes; then leaves out what is gone. False when a row is
// left that no column covers. `work` grows by the entries read.
bool reduceTable(CoverTable& table, Dominance dominance, std::vector<uint32_t>& taken,
                 uint64_t& work);

// The table once the columns are in the cover: without the rows they cover.
CoverTable withColumnsTaken(const CoverTable& table, const std::vector<uint32_t>& columns);
// The table without the column in any row (the column itself keeps its number).
CoverTable withColumnLeftOut(const CoverTable& table, uint32_t column);
// The same for every column marked in `leftOut`.
CoverTable withColumnsLeftOut(const CoverTable& table, const std::vector<uint8_t>& leftOut);

// Parts that share no column, each numbered on its own.
std::vector<CoverTable> independentParts(const CoverTable& table);

}  // namespace analysis
