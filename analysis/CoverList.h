#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/CoverTable.h"

namespace analysis {

// Covers found by a search: listed up to a limit, counted up to another.
struct CoverList {
    // The problem's columns, ascending.
    std::vector<std::vector<uint32_t>> covers;
    uint64_t count = 0;
    // Whether count is all of them (else at least that many).
    bool complete = true;
};

struct ListLimits {
    size_t listed = 0;
    uint64_t counted = 0;  // the count stops here, not complete
};

// Adds to the list each cover made of one column of every choice and one listed
// cover of every part, and counts the covers made of all that the parts counted.
void addCombinations(CoverList& list, const ColumnChoices& choices,
                     const std::vector<CoverList>& parts, const ListLimits& limits);

}  // namespace analysis
