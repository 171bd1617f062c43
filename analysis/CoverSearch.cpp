#include "analysis/CoverSearch.h"

#include <algorithm>
#include <limits>

#include "analysis/CoverBounds.h"

namespace analysis {
namespace {

constexpr int64_t kNoCost = std::numeric_limits<int64_t>::max();
// The work of a branch besides its reduction: the two copies of the table, with
// and without the column, and the ranking of the columns.
constexpr uint64_t kCopyWork = 3;
// Steps of the Lagrangian bound: at the start of a search, and at each branch, where
// it goes on from the multipliers of the step before.
constexpr int kFirstBoundSteps = 200;
constexpr int kBoundSteps = 20;
// A step's work: the reduced costs, the subgradient and the step itself, each a
// pass over the table's entries, and keeping the best.
constexpr uint64_t kBoundStepWork = 4;

// The columns of the table's shortest row, the cheapest under the last bound's
// multipliers first (the most likely to be in a least cover), then those covering the
// most rows.
std::vector<uint32_t> branchesOf(const CoverTable& table) {
    size_t shortest = 0;
    for (size_t row = 1; row < table.rows.count(); ++row) {
        if (table.rows[row].size() < table.rows[shortest].size()) shortest = row;
    }
    const PackedLists columnRows = table.columnRows();
    std::vector<uint32_t> columns(table.rows[shortest].begin(), table.rows[shortest].end());
    std::vector<double> reduced(table.cost.size(), 0);
    for (const uint32_t column : columns) {
        reduced[column] = static_cast<double>(table.cost[column]);
        for (const uint32_t row : columnRows[column]) {
            if (!table.weight.empty()) reduced[column] -= table.weight[row];
        }
    }
    std::sort(columns.begin(), columns.end(), [&](uint32_t a, uint32_t b) {
        if (reduced[a] != reduced[b]) return reduced[a] < reduced[b];
        if (columnRows[a].size() != columnRows[b].size())
            return columnRows[a].size() > columnRows[b].size();
        return a < b;
    });
    return columns;
}

// The problem's columns' costs, by their numbers.
std::vector<int64_t> costsByNumber(const CoverTable& part) {
    std::vector<int64_t> costs;
    for (uint32_t column = 0; column < part.cost.size(); ++column) {
        const uint32_t number = part.original[column];
        if (number >= costs.size()) costs.resize(number + 1, 0);
        costs[number] = part.cost[column];
    }
    return costs;
}

// A search of the covers cheaper than a bound, for the cheapest of them, or for any
// one when the first will do. Dominated columns go for no dearer ones, so it finds
// the least cost but not every cover of it.
class CCheaperCover {
  public:
    CCheaperCover(const std::vector<int64_t>& costs, WorkBudget& budget, bool firstWillDo)
        : costs_(costs), budget_(budget), firstWillDo_(firstWillDo) {}

    // Whether a cover cheaper than `bound` was found.
    bool search(const CoverTable& table, int64_t bound) {
        bound_ = bound;
        visit(table, 0);
        return found_;
    }
    int64_t cost() const { return bound_; }
    const std::vector<uint32_t>& cover() const { return cover_; }

  private:
    bool done() const { return budget_.exhausted() || (found_ && firstWillDo_); }

    void visit(CoverTable table, int64_t cost) {
        const size_t depth = chosen_.size();
        if (narrow(table, cost)) {
            std::vector<CoverTable> parts = independentParts(table);
            if (parts.empty()) {
                reachCover(cost);
            } else if (parts.size() > 1) {
                combine(parts, cost);
            } else {
                branch(table, cost);
            }
        }
        chosen_.resize(depth);
    }

    // Reduces the table, taking its essential columns into the cover, and leaves out
    // every column with which the bound from below reaches the bound from above, until
    // none is left out; false when nothing cheaper than the bound lies here.
    bool narrow(CoverTable& table, int64_t& cost) {
        for (;;) {
            const size_t taken = chosen_.size();
            uint64_t work = 0;
            const bool coverable = reduceTable(table, Dominance::NoDearer, chosen_, work);
            for (size_t i = taken; i < chosen_.size(); ++i) cost += costs_[chosen_[i]];
            if (!budget_.spend(work) || !coverable || cost >= bound_ || done()) return false;
            if (table.rows.count() == 0) return true;
            // As many steps as the budget still pays for.
            const uint64_t stepWork = kBoundStepWork * std::max<size_t>(table.rows.entries(), 1);
            const uint64_t affordable = budget_.left() / stepWork;
            const int steps = static_cast<int>(
                std::min<uint64_t>(table.weight.empty() ? kFirstBoundSteps : kBoundSteps,
                                   std::max<uint64_t>(affordable, 1)));
            const LagrangianBound below = lagrangianBound(table, bound_ - cost, steps);
            table.weight = below.multipliers;
            if (!budget_.spend(static_cast<uint64_t>(steps + 1) * stepWork)) return false;
            tryCover(table, cost, reducedCostCover(table, below.reduced));
            if (cost + below.cost >= bound_ || done()) return false;
            const SettledColumns settled = settledColumns(below, bound_ - cost);
            if (!settled.any) return true;
            for (const uint32_t column : settled.in) {
                chosen_.push_back(table.original[column]);
                cost += table.cost[column];
            }
            table = withColumnsTaken(withColumnsLeftOut(table, settled.out), settled.in);
        }
    }

    // A cover of the table that the bound suggests, taken when it is cheaper.
    void tryCover(const CoverTable& table, int64_t cost, const std::vector<uint32_t>& columns) {
        for (const uint32_t column : columns) cost += table.cost[column];
        if (cost >= bound_) return;
        const size_t depth = chosen_.size();
        for (const uint32_t column : columns) chosen_.push_back(table.original[column]);
        reachCover(cost);
        chosen_.resize(depth);
    }

    void reachCover(int64_t cost) {
        bound_ = cost;
        cover_ = chosen_;
        std::sort(cover_.begin(), cover_.end());
        found_ = true;
    }

    // Parts that share no column are covered each on its own, each within what the
    // others leave of the bound.
    void combine(std::vector<CoverTable>& parts, int64_t cost) {
        std::sort(parts.begin(), parts.end(), [](const CoverTable& a, const CoverTable& b) {
            return a.rows.entries() < b.rows.entries();
        });
        std::vector<int64_t> below;
        int64_t rest = 0;
        for (const CoverTable& part : parts) {
            below.push_back(independentRows(part).cost);
            rest += below.back();
        }
        for (size_t part = 0; part < parts.size(); ++part) {
            rest -= below[part];
            CCheaperCover cheapest(costs_, budget_, false);
            if (!cheapest.search(parts[part], bound_ - cost - rest)) return;
            cost += cheapest.cost();
            chosen_.insert(chosen_.end(), cheapest.cover().begin(), cheapest.cover().end());
        }
        reachCover(cost);
    }

    void branch(CoverTable& table, int64_t cost) {
        for (const uint32_t column : branchesOf(table)) {
            budget_.spend(kCopyWork * table.rows.entries());
            chosen_.push_back(table.original[column]);
            visit(withColumnsTaken(table, {column}), cost + table.cost[column]);
            chosen_.pop_back();
            if (done()) return;
            table = withColumnLeftOut(table, column);
        }
    }

    const std::vector<int64_t>& costs_;
    WorkBudget& budget_;
    bool firstWillDo_;
    int64_t bound_ = kNoCost;
    bool found_ = false;
    std::vector<uint32_t> chosen_;
    std::vector<uint32_t> cover_;
};

// Every cover of the least cost. Only cheaper columns make others unnecessary here,
// so that no least cover is lost, and a branch is entered only when a cheaper-cover
// search has found a least cover in it: each step leads to at least one cover.
class CLeastCoverList {
  public:
    CLeastCoverList(const std::vector<int64_t>& costs, WorkBudget& budget, int64_t least,
                    size_t listed, uint64_t counted)
        : costs_(costs), budget_(budget), least_(least), listed_(listed), counted_(counted) {}

    void list(const CoverTable& table) { visit(table, 0); }

    const std::vector<std::vector<uint32_t>>& covers() const { return covers_; }
    uint64_t count() const { return count_; }
    bool complete() const { return !budget_.exhausted() && count_ < counted_; }

  private:
    bool stopped() const { return budget_.exhausted() || count_ >= counted_; }

    void visit(CoverTable table, int64_t cost) {
        const size_t depth = chosen_.size();
        uint64_t work = 0;
        const bool coverable = reduceTable(table, Dominance::Cheaper, chosen_, work);
        for (size_t i = depth; i < chosen_.size(); ++i) cost += costs_[chosen_[i]];
        if (budget_.spend(work) && coverable) {
            if (table.rows.count() == 0) {
                reachCover(cost);
            } else {
                branch(table, cost);
            }
        }
        chosen_.resize(depth);
    }

    void reachCover(int64_t cost) {
        if (cost != least_) return;
        ++count_;
        if (covers_.size() >= listed_) return;
        covers_.push_back(chosen_);
        std::sort(covers_.back().begin(), covers_.back().end());
    }

    void branch(CoverTable& table, int64_t cost) {
        for (const uint32_t column : branchesOf(table)) {
            budget_.spend(kCopyWork * table.rows.entries());
            const CoverTable rest = withColumnsTaken(table, {column});
            const int64_t costWith = cost + table.cost[column];
            if (CCheaperCover(costs_, budget_, true).search(rest, least_ - costWith + 1)) {
                chosen_.push_back(table.original[column]);
                visit(rest, costWith);
                chosen_.pop_back();
            }
            if (stopped()) return;
            table = withColumnLeftOut(table, column);
        }
    }

    const std::vector<int64_t>& costs_;
    WorkBudget& budget_;
    int64_t least_;
    size_t listed_;
    uint64_t counted_;
    std::vector<uint32_t> chosen_;
    std::vector<std::vector<uint32_t>> covers_;
    uint64_t count_ = 0;
};

}  // namespace

PartCovers leastCoversOfPart(const CoverTable& part, WorkBudget& search, WorkBudget& enumeration,
                             size_t listed, uint64_t counted) {
    const std::vector<int64_t> costs = costsByNumber(part);
    PartCovers covers;
    std::vector<uint32_t> greedy;
    for (const uint32_t column : greedyCover(part)) greedy.push_back(part.original[column]);
    std::sort(greedy.begin(), greedy.end());
    covers.cost = 0;
    for (const uint32_t column : greedy) covers.cost += costs[column];
    CCheaperCover cheaper(costs, search, false);
    const bool improved = cheaper.search(part, covers.cost);
    covers.proven = !search.exhausted();
    if (improved) covers.cost = cheaper.cost();
    const std::vector<uint32_t>& best = improved ? cheaper.cover() : greedy;
    if (!covers.proven) {
        covers.covers = {best};
        return covers;
    }
    CLeastCoverList all(costs, enumeration, covers.cost, listed, counted);
    all.list(part);
    covers.covers = all.covers();
    covers.count = all.count();
    covers.countExact = all.complete();
    // The proof found one even if the listing ran out before it.
    if (covers.covers.empty()) {
        covers.covers = {best};
        covers.count = 1;
    }
    return covers;
}

}  // namespace analysis
