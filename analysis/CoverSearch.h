#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/CoverBounds.h"
#include "analysis/CoverList.h"
#include "analysis/CoverTable.h"
#include "analysis/WorkBudget.h"

namespace analysis {

// A cover that a search found.
struct FoundCover {
    bool found = false;
    int64_t columns = 0;
    int64_t cost = 0;
    std::vector<uint32_t> cover;  // the problem's columns, ascending
};

// The least covers of a table by branch and bound, in three searches: for the
// fewest columns, then for the least cost of a cover of that many, then for every
// cover of that cost. Each step reduces its table (CoverReduction.h) and bounds it
// from below, on the number of columns and then on the cost (CoverBounds.h), taking
// or leaving out the columns the bounds settle, until nothing changes; it tries the
// cover that the bound's multipliers suggest; parts that share no column it covers
// each on its own; else it branches on a column of the hardest row: with it, then
// without it (going on in a loop, not deeper).
class CCoverSearch {
  public:
    explicit CCoverSearch(WorkBudget& budget) : budget_(budget) {}

    // The cover of the fewest columns, if one has fewer than `above`. A greedy
    // cover, improved, is the first bound.
    FoundCover fewestColumns(const CoverTable& table, int64_t above);
    // Of the covers of `columns` columns, which no cover has fewer of, the cheapest,
    // if one costs less than `above`; `start` is one such cover to begin with.
    FoundCover cheapest(const CoverTable& table, size_t columns, int64_t above,
                        const FoundCover& start);
    // Every cover of `columns` columns, which no cover has fewer of, and of `cost`,
    // which none of them has less of.
    CoverList all(const CoverTable& table, size_t columns, int64_t cost, const ListLimits& limits);

  private:
    enum class Goal { FewestColumns, Cheapest, All };
    // What the columns chosen so far make.
    struct Chosen {
        int64_t columns = 0;
        int64_t cost = 0;
    };

    void seek(Goal goal, size_t columns);
    bool stopped() const;
    void visit(CoverTable table, Chosen chosen);
    bool narrow(CoverTable& table, Chosen& chosen);
    int boundSteps(const CoverTable& table, BoundKind kind, bool again) const;
    int plannedSteps(const CoverTable& table, BoundKind kind, bool again) const;
    bool suggests(BoundKind kind) const;
    uint64_t firstBoundWork(const CoverTable& table, BoundKind kind) const;
    bool hopeless(const CoverTable& table, BoundKind kind);
    bool bound(CoverTable& table, Chosen& chosen, BoundKind kind, int64_t above, bool again);
    void reachCover(Chosen chosen);

    void tryCover(const CoverTable& table, Chosen chosen, const std::vector<uint32_t>& columns);
    void combine(const std::vector<CoverTable>& parts, Chosen chosen);
    bool partsCheapest(const std::vector<CoverTable>& parts, const std::vector<FoundCover>& fewest,
                       Chosen& chosen, std::vector<FoundCover>& cheapest);

    WorkBudget& budget_;
    Goal goal_ = Goal::FewestColumns;
    // A cover must have fewer columns than this and cost less than that.
    int64_t columnsAbove_ = 0;
    int64_t costAbove_ = 0;
    // The number of columns every cover sought has, but when counting them.
    int64_t columns_ = 0;
    FoundCover best_;
    CoverList list_;
    ListLimits limits_;
    ColumnChoices chosen_;
};

}  // namespace analysis
