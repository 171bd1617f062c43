#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace analysis {

// Rows to cover and columns that cover them (for the minimiser: the rows of the
// truth table and the prime cubes, which cost their literals). A cover is a set of
// columns that covers every row; its cost is the sum of its columns' costs. A least
// cover has the fewest columns, and of those covers the least cost.
struct CoverProblem {
    // For each row, the columns that cover it, ascending; none is empty.
    std::vector<std::vector<uint32_t>> rowColumns;
    // At least 0.
    std::vector<int64_t> columnCost;
};

// How far the search may go. Work counts the row and column entries the search
// reads, so it grows with the time taken whatever the problem's shape.
struct CoverLimits {
    // Proving the fewest columns, then the least cost; past it the best cover found
    // is returned, unproven.
    uint64_t searchWork = 0;
    // Then finding the other covers of that cost; past it the count is a lower bound.
    uint64_t enumerationWork = 0;
    // Covers returned at most.
    size_t listed = 0;
    // Covers counted at most.
    uint64_t counted = 0;
};

struct CoverSolutions {
    // Columns ascending. Least covers when proven (at most `listed` of them), else the
    // single best cover found.
    std::vector<std::vector<uint32_t>> covers;
    bool proven = true;
    // How many least covers there are when countExact; else at least that many.
    uint64_t count = 0;
    bool countExact = true;
};

CoverSolutions leastCovers(const CoverProblem& problem, const CoverLimits& limits);

}  // namespace analysis
