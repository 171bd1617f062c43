#include "analysis/CoverSearch.h"

#include <algorithm>
#include <limits>

#include "analysis/CoverHeuristics.h"
#include "analysis/CoverReduction.h"

namespace analysis {
namespace {

// The work of a branch besides its narrowing: the two copies of the table, with and
// without the column.
constexpr uint64_t kCopyWork = 4;
// The work of a greedy cover: a few passes over the table and a queue of columns.
constexpr uint64_t kGreedyWork = 12;
// Steps of a bound on a table without weights for it (at the start of a search or
// of a part), on one that goes on from the weights of the step before, on one whose
// columns that bound settled, and (in a search of the least cost) of the bound on
// the number of columns, which need only show that there are too few.
constexpr int kFirstBoundSteps = 300;
constexpr int kBoundSteps = 30;
constexpr int kReboundSteps = 10;
constexpr int kCountSteps = 10;
// How many times the work of its first bound a search needs at least.
constexpr uint64_t kFirstBoundShare = 3;
constexpr int64_t kNoLimit = INT64_MAX / 4;

const std::vector<double>& weightsOf(const CoverTable& table, BoundKind kind) {
    return kind.countsColumns ? table.countWeight : table.weight;
}

double reducedCost(const CoverTable& table, BoundKind kind, uint32_t column) {
    auto reduced = kind.countsColumns ? 1.0 : static_cast<double>(table.cost[column]);
    const std::vector<double>& weights = weightsOf(table, kind);
    if (weights.empty()) return reduced;
    for (const uint32_t row : table.columns[column]) reduced -= weights[row];
    return reduced;
}

// The hardest row to cover is the one whose cheapest column (by reduced cost) is the
// cheapest by the most: without that column the bound rises the most. Its cheapest
// column goes first, then (when that branch is done) the row without it.
uint32_t branchColumn(const CoverTable& table, BoundKind kind) {
    std::vector<double> reduced(table.columnCount());
    for (uint32_t column = 0; column < reduced.size(); ++column)
        reduced[column] = reducedCost(table, kind, column);
    uint32_t column = 0;
    double hardest = -1;
    for (size_t row = 0; row < table.rowCount(); ++row) {
        const std::span<const uint32_t> columns = table.rows[row];
        uint32_t cheapest = columns.front();
        double next = std::numeric_limits<double>::infinity();
        for (const uint32_t other : columns.subspan(1)) {
            if (reduced[other] < reduced[cheapest]) {
                next = reduced[cheapest];
                cheapest = other;
            } else {
                next = std::min(next, reduced[other]);
            }
        }
        if (next - reduced[cheapest] > hardest) {
            hardest = next - reduced[cheapest];
            column = cheapest;
        }
    }
    return column;
}

std::vector<int64_t> partBounds(const std::vector<CoverTable>& parts,
                                const std::vector<BoundKind>& kinds, WorkBudget& budget) {
    std::vector<int64_t> below;
    for (size_t part = 0; part < parts.size(); ++part) {
        uint64_t work = 0;
        below.push_back(wholeAtLeast(relaxationValue(parts[part], kinds[part], work)));
        budget.spend(work);
    }
    return below;
}

int64_t sumOf(const std::vector<int64_t>& numbers) {
    int64_t sum = 0;
    for (const int64_t number : numbers) sum += number;
    return sum;
}

}  // namespace

FoundCover CCoverSearch::fewestColumns(const CoverTable& table, int64_t above) {
    goal_ = Goal::FewestColumns;
    columnsAbove_ = above;
    costAbove_ = kNoLimit;
    best_ = {};
    if (table.rowCount() > 0) {
        budget_.spend(kGreedyWork * table.rows.entries());
        tryCover(table, {}, improvedCover(table, greedyCover(table), budget_));
        if (hopeless(table, {true, 0})) return best_;
    }
    visit(table, {});
    return best_;
}

// A search for the least covers whose first bound alone takes more than a share of
// its budget cannot hope to prove anything: it gives up the budget and stops with
// the cover it has. (A listing goes on: any cover it lists is one more.)
bool CCoverSearch::hopeless(const CoverTable& table, BoundKind kind) {
    if (goal_ == Goal::All || firstBoundWork(table, kind) * kFirstBoundShare <= budget_.left())
        return false;
    budget_.exhaust();
    return true;
}

// Covers of `columns` columns to be sought, none yet found.
void CCoverSearch::seek(Goal goal, size_t columns) {
    goal_ = goal;
    columns_ = static_cast<int64_t>(columns);
    columnsAbove_ = columns_ + 1;
    best_ = {};
    list_ = {};
}

FoundCover CCoverSearch::cheapest(const CoverTable& table, size_t columns, int64_t above,
                                  const FoundCover& start) {
    seek(Goal::Cheapest, columns);
    costAbove_ = above;
    if (start.found && start.columns == columns_ && start.cost < above) {
        best_ = start;
        costAbove_ = start.cost;
    }
    visit(table, {});
    return best_;
}

CoverList CCoverSearch::all(const CoverTable& table, size_t columns, int64_t cost,
                            const ListLimits& limits) {
    seek(Goal::All, columns);
    costAbove_ = cost + 1;
    limits_ = limits;
    visit(table, {});
    list_.complete = list_.complete && !budget_.exhausted();
    return list_;
}

bool CCoverSearch::stopped() const {
    return budget_.exhausted() || (goal_ == Goal::All && list_.count >= limits_.counted);
}

void CCoverSearch::visit(CoverTable table, Chosen chosen) {
    const size_t depth = chosen_.count();
    while (!stopped() && narrow(table, chosen)) {
        if (table.rowCount() == 0) {
            reachCover(chosen);
            break;
        }
        const std::vector<CoverTable> parts = independentParts(table);
        if (parts.size() > 1) {
            combine(parts, chosen);
            break;
        }
        const BoundKind kind{goal_ == Goal::FewestColumns,
                             static_cast<size_t>(columns_ - chosen.columns)};
        const uint32_t column = branchColumn(table, kind);
        budget_.spend(kCopyWork * table.rows.entries());
        const size_t before = chosen_.count();
        chosen_.append(table.original[column]);
        visit(withColumnsTaken(table, std::vector<uint32_t>{column}),
              {chosen.columns + 1, chosen.cost + table.cost[column]});
        chosen_.truncate(before);
        std::vector<uint8_t> leftOut(table.columnCount(), 0);
        leftOut[column] = 1;
        table = withColumnsLeftOut(table, leftOut);
    }
    chosen_.truncate(depth);
}

// Whether a bound's multipliers are worth a cover: the bound on what the search
// seeks the least of.
bool CCoverSearch::suggests(BoundKind kind) const {
    return goal_ != Goal::All && (goal_ == Goal::FewestColumns) == kind.countsColumns;
}

// The work of a bound from no weights, with the covers it suggests on the way.
uint64_t CCoverSearch::firstBoundWork(const CoverTable& table, BoundKind kind) const {
    const auto steps = static_cast<uint64_t>(plannedSteps(table, kind, false));
    const uint64_t entries = table.rows.entries();
    const uint64_t stepWork = 2 * entries + table.rowCount() + table.columnCount();
    return steps * stepWork + (suggests(kind) ? steps / kStepsSeen * kGreedyWork * entries : 0);
}

int CCoverSearch::plannedSteps(const CoverTable& table, BoundKind kind, bool again) const {
    const int steps = weightsOf(table, kind).empty() ? kFirstBoundSteps
                      : again                        ? kReboundSteps
                                                     : kBoundSteps;
    return kind.countsColumns && goal_ != Goal::FewestColumns ? std::min(steps, kCountSteps)
                                                              : steps;
}

// As many steps as planned, or as the budget still pays for.
int CCoverSearch::boundSteps(const CoverTable& table, BoundKind kind, bool again) const {
    const int steps = plannedSteps(table, kind, again);
    const uint64_t stepWork = std::max<uint64_t>(2 * table.rows.entries(), 1);
    const uint64_t affordable = std::max<uint64_t>(budget_.left() / stepWork, 1);
    return static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(steps), affordable));
}

// Reduces the table, then bounds it on the number of columns and, unless counting
// them, on the cost, until no bound settles a column; false when no cover sought
// lies here.
bool CCoverSearch::narrow(CoverTable& table, Chosen& chosen) {
    for (int round = 0;; ++round) {
        const size_t before = chosen_.count();
        uint64_t work = 0;
        const Dominance dominance = goal_ == Goal::FewestColumns ? Dominance::AnyCost
                                    : goal_ == Goal::Cheapest    ? Dominance::NoDearer
                                                                 : Dominance::Cheaper;
        const bool coverable = reduceTable(table, dominance, chosen_, chosen.cost, work);
        chosen.columns += static_cast<int64_t>(chosen_.count() - before);
        if (!budget_.spend(work) || !coverable || chosen.columns >= columnsAbove_ ||
            chosen.cost >= costAbove_)
            return false;
        if (table.rowCount() == 0) return true;
        const size_t rows = table.rowCount(), columns = table.columnCount();
        if (!bound(table, chosen, {true, 0}, columnsAbove_, round > 0)) return false;
        if (table.rowCount() != rows || table.columnCount() != columns) continue;
        if (goal_ == Goal::FewestColumns) return true;
        const BoundKind kind{false, static_cast<size_t>(columns_ - chosen.columns)};
        if (!bound(table, chosen, kind, costAbove_, round > 0)) return false;
        if (table.rowCount() == rows && table.columnCount() == columns) return true;
    }
}

// One bound, the cover it suggests, and the columns it settles taken or left out;
// false when no cover sought lies here.
bool CCoverSearch::bound(CoverTable& table, Chosen& chosen, BoundKind kind, int64_t above,
                         bool again) {
    const int64_t& limit = kind.countsColumns ? columnsAbove_ : costAbove_;
    const int64_t& have = kind.countsColumns ? chosen.columns : chosen.cost;
    if (weightsOf(table, kind).empty() && hopeless(table, kind)) return false;
    uint64_t work = 0;
    StepView sawStep;
    if (suggests(kind) && weightsOf(table, kind).empty())
        sawStep = [&](const std::vector<double>& reduced, const std::vector<uint8_t>& selected) {
            budget_.spend(kGreedyWork * table.rows.entries());
            tryCover(table, chosen, reducedCostCover(table, kind, reduced, selected));
        };
    LagrangianBound below =
        lagrangianBound(table, kind, above - have, boundSteps(table, kind, again), work, sawStep);
    (kind.countsColumns ? table.countWeight : table.weight) = below.multipliers;
    if (!budget_.spend(work) || have + below.cost >= limit) return false;
    if (suggests(kind)) {
        budget_.spend(kGreedyWork * table.rows.entries());
        tryCover(table, chosen, reducedCostCover(table, kind, below.reduced, below.selected));
        if (have + below.cost >= limit) return false;
    }
    const SettledColumns settled = settledColumns(below, limit - have);
    if (!settled.any) return true;
    std::vector<uint8_t> rowKept(table.rowCount(), 1), columnKept(table.columnCount());
    for (size_t column = 0; column < columnKept.size(); ++column)
        columnKept[column] = settled.out[column] == 0 ? 1 : 0;
    for (const uint32_t column : settled.in) {
        chosen_.append(table.original[column]);
        chosen.columns += 1;
        chosen.cost += table.cost[column];
        columnKept[column] = 0;
        for (const uint32_t row : table.columns[column]) rowKept[row] = 0;
    }
    table = restricted(table, rowKept, columnKept);
    return true;
}

// The chosen columns cover the table: kept when better than the best so far, or
// listed when they are a cover sought.
void CCoverSearch::reachCover(Chosen chosen) {
    if (goal_ == Goal::All) {
        if (chosen.columns == columns_ && chosen.cost == costAbove_ - 1)
            addCombinations(list_, chosen_, {}, limits_);
        return;
    }
    const bool better =
        goal_ == Goal::FewestColumns
            ? chosen.columns < columnsAbove_ ||
                  (best_.found && chosen.columns == best_.columns && chosen.cost < best_.cost)
            : chosen.columns == columns_ && chosen.cost < costAbove_;
    if (!better) return;
    best_ = {true, chosen.columns, chosen.cost, {}};
    for (size_t choice = 0; choice < chosen_.count(); ++choice)
        best_.cover.push_back(chosen_[choice].front());
    std::sort(best_.cover.begin(), best_.cover.end());
    if (goal_ == Goal::FewestColumns) columnsAbove_ = chosen.columns;
    if (goal_ == Goal::Cheapest) costAbove_ = chosen.cost;
}

// A cover of the table with the columns chosen so far.
void CCoverSearch::tryCover(const CoverTable& table, Chosen chosen,
                            const std::vector<uint32_t>& columns) {
    const size_t depth = chosen_.count();
    for (const uint32_t column : columns) chosen_.append(table.original[column]);
    reachCover({chosen.columns + static_cast<int64_t>(columns.size()),
                chosen.cost + costOf(table, columns)});
    chosen_.truncate(depth);
}

// Parts that share no column are covered each on its own, each within what the
// others leave of the bound, the smallest first: with their fewest columns, which
// must add up to the number sought, then (unless counting columns) at their least
// costs, which must add up to less than the cost sought, then (when listing) with
// all their covers of those costs.
void CCoverSearch::combine(const std::vector<CoverTable>& parts, Chosen chosen) {
    const std::vector<int64_t> below =
        partBounds(parts, std::vector<BoundKind>(parts.size(), BoundKind{true, 0}), budget_);
    int64_t rest = sumOf(below);
    std::vector<FoundCover> fewest;
    Chosen counted = chosen;
    for (size_t part = 0; part < parts.size(); ++part) {
        rest -= below[part];
        fewest.push_back(CCoverSearch(budget_).fewestColumns(
            parts[part], columnsAbove_ - counted.columns - rest));
        if (!fewest.back().found || budget_.exhausted()) return;
        counted.columns += fewest.back().columns;
        counted.cost += fewest.back().cost;
    }
    if (goal_ != Goal::FewestColumns && counted.columns != columns_) return;
    std::vector<FoundCover> cheapest = fewest;
    if (goal_ != Goal::FewestColumns) {
        counted.cost = chosen.cost;
        if (!partsCheapest(parts, fewest, counted, cheapest)) return;
    }
    const size_t depth = chosen_.count();
    if (goal_ != Goal::All) {
        for (const FoundCover& part : cheapest) {
            for (const uint32_t column : part.cover) chosen_.append(std::vector<uint32_t>{column});
        }
        reachCover(counted);
    } else if (counted.cost == costAbove_ - 1) {
        std::vector<CoverList> lists;
        for (size_t part = 0; part < parts.size() && !stopped(); ++part) {
            lists.push_back(CCoverSearch(budget_).all(parts[part],
                                                      static_cast<size_t>(cheapest[part].columns),
                                                      cheapest[part].cost, limits_));
        }
        if (lists.size() == parts.size()) addCombinations(list_, chosen_, lists, limits_);
        list_.complete = list_.complete && lists.size() == parts.size();
    }
    chosen_.truncate(depth);
}

bool CCoverSearch::partsCheapest(const std::vector<CoverTable>& parts,
                                 const std::vector<FoundCover>& fewest, Chosen& chosen,
                                 std::vector<FoundCover>& cheapest) {
    std::vector<BoundKind> kinds;
    kinds.reserve(fewest.size());
    for (const FoundCover& part : fewest)
        kinds.push_back({false, static_cast<size_t>(part.columns)});
    const std::vector<int64_t> below = partBounds(parts, kinds, budget_);
    int64_t rest = sumOf(below);
    for (size_t part = 0; part < parts.size(); ++part) {
        rest -= below[part];
        cheapest[part] = CCoverSearch(budget_).cheapest(
            parts[part], kinds[part].columns, costAbove_ - chosen.cost - rest, fewest[part]);
        if (!cheapest[part].found || budget_.exhausted()) return false;
        chosen.cost += cheapest[part].cost;
    }
    return true;
}

}  // namespace analysis
