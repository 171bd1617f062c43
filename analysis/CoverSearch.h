#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/CoverTable.h"

namespace analysis {

// Work that a search may still do; once spent, the search stops where it is.
class WorkBudget {
  public:
    explicit WorkBudget(uint64_t work) : left_(work) {}
    bool spend(uint64_t work) {
        exhausted_ = exhausted_ || work > left_;
        left_ = exhausted_ ? 0 : left_ - work;
        return !exhausted_;
    }
    bool exhausted() const { return exhausted_; }
    uint64_t left() const { return left_; }

  private:
    uint64_t left_;
    bool exhausted_ = false;
};

struct PartCovers {
    int64_t cost = 0;
    // The problem's columns, ascending: the least covers found (at most `listed`)
    // when proven, else the single best cover found.
    std::vector<std::vector<uint32_t>> covers;
    bool proven = false;
    uint64_t count = 0;  // least covers seen; all of them when countExact
    bool countExact = false;
};

// The least covers of a table by branch and bound. A greedy cover is the first
// bound. Each step reduces its table (CoverTable.h), bounds the cost still to come
// from below by rows that share no column, and branches on the row with the fewest
// columns, one branch per column, each later branch without the columns of the
// earlier ones, so that no cover is visited twice. The first search proves the least
// cost, the second lists the covers of that cost, each within its budget.
PartCovers leastCoversOfPart(const CoverTable& part, WorkBudget& search, WorkBudget& enumeration,
                             size_t listed, uint64_t counted);

}  // namespace analysis
