#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "analysis/CoverProblem.h"
#include "analysis/PackedLists.h"

namespace analysis {

// A cover problem, or what is left of one, with its own numbering of rows and
// columns. A column may stand for several columns of the problem: those that cover
// the same rows here at the same cost, any one of which does (see CoverReduction.h).
struct CoverTable {
    PackedLists rows;           // each row's columns, ascending
    PackedLists columns;        // each column's rows, ascending
    std::vector<int64_t> cost;  // of each column
    PackedLists original;       // each column's numbers in the problem, at least one
    // The rows' multipliers of the last bounds from below on the cost and on the
    // number of columns (see CoverBounds.h), which the next bounds on what is left
    // of the table start from; empty at first.
    std::vector<double> weight;
    std::vector<double> countWeight;

    static CoverTable of(const CoverProblem& problem);
    size_t rowCount() const { return rows.count(); }
    size_t columnCount() const { return cost.size(); }
};

// The table with the rows and columns marked kept and no others; a column that
// keeps no row goes too. A kept row may be left without columns.
CoverTable restricted(const CoverTable& table, const std::vector<uint8_t>& rowKept,
                      const std::vector<uint8_t>& columnKept);
// The table once the columns are in the cover: without the rows they cover.
CoverTable withColumnsTaken(const CoverTable& table, std::span<const uint32_t> columns);
// The table without the columns marked.
CoverTable withColumnsLeftOut(const CoverTable& table, const std::vector<uint8_t>& leftOut);

// Parts that share no column, each numbered on its own, the smallest first.
std::vector<CoverTable> independentParts(const CoverTable& table);

// Chosen columns in the problem's numbers, each with the ones that could stand in
// its place.
using ColumnChoices = PackedLists;

}  // namespace analysis
