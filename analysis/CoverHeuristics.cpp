#include "analysis/CoverHeuristics.h"

#include <algorithm>
#include <queue>

namespace analysis {
namespace {

// How many columns of a cover cover each row.
std::vector<uint32_t> coverCounts(const CoverTable& table, const std::vector<uint32_t>& cover) {
    std::vector<uint32_t> counts(table.rowCount(), 0);
    for (const uint32_t column : cover) {
        for (const uint32_t row : table.columns[column]) ++counts[row];
    }
    return counts;
}

bool unneeded(const CoverTable& table, uint32_t column, const std::vector<uint32_t>& counts) {
    const std::span<const uint32_t> rows = table.columns[column];
    return std::all_of(rows.begin(), rows.end(), [&](uint32_t row) { return counts[row] > 1; });
}

// The cover without the columns the others make unnecessary, the dearest first.
std::vector<uint32_t> withoutUnneeded(const CoverTable& table, std::vector<uint32_t> cover,
                                      std::vector<uint32_t>& counts) {
    std::stable_sort(cover.begin(), cover.end(),
                     [&](uint32_t a, uint32_t b) { return table.cost[a] > table.cost[b]; });
    std::vector<uint32_t> kept;
    for (const uint32_t column : cover) {
        if (unneeded(table, column, counts)) {
            for (const uint32_t row : table.columns[column]) --counts[row];
        } else {
            kept.push_back(column);
        }
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

// Completes `cover` (whose counts are given) greedily: each time the column of the
// least price per newly covered row, the prices only growing as rows get covered, so
// a queue of stale prices, each checked when it comes up, serves.
std::vector<uint32_t> completed(const CoverTable& table, std::vector<uint32_t> cover,
                                std::vector<uint32_t>& counts, const std::vector<double>& price) {
    std::vector<uint32_t> gain(table.columnCount(), 0);
    using Entry = std::pair<double, uint32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    size_t uncovered = 0;
    for (uint32_t row = 0; row < table.rowCount(); ++row) {
        if (counts[row] != 0) continue;
        ++uncovered;
        for (const uint32_t column : table.rows[row]) ++gain[column];
    }
    auto ratio = [&](uint32_t column) { return price[column] / gain[column]; };
    for (uint32_t column = 0; column < table.columnCount(); ++column) {
        if (gain[column] > 0) queue.emplace(ratio(column), column);
    }
    while (uncovered > 0) {
        const auto [stale, column] = queue.top();
        queue.pop();
        if (gain[column] == 0) continue;
        if (ratio(column) > stale) {
            queue.emplace(ratio(column), column);
            continue;
        }
        cover.push_back(column);
        for (const uint32_t row : table.columns[column]) {
            if (counts[row]++ > 0) continue;
            --uncovered;
            for (const uint32_t other : table.rows[row]) --gain[other];
        }
    }
    return withoutUnneeded(table, cover, counts);
}

// A column's cost weighs this little beside its count.
constexpr double kCostShare = 1.0 / 1024;

// Whether dropping `dropped` columns of `droppedCost` for one of `cost` leaves fewer
// columns, or as many at a lower cost.
bool gains(size_t dropped, int64_t droppedCost, int64_t cost) {
    return dropped > 1 || (dropped == 1 && droppedCost > cost);
}

}  // namespace

int64_t costOf(const CoverTable& table, const std::vector<uint32_t>& cover) {
    int64_t cost = 0;
    for (const uint32_t column : cover) cost += table.cost[column];
    return cost;
}

std::vector<uint32_t> greedyCover(const CoverTable& table) {
    std::vector<uint32_t> counts(table.rowCount(), 0);
    std::vector<double> price(table.columnCount());
    for (size_t column = 0; column < price.size(); ++column)
        price[column] = 1 + kCostShare * static_cast<double>(table.cost[column]);
    return completed(table, {}, counts, price);
}

std::vector<uint32_t> reducedCostCover(const CoverTable& table, BoundKind kind,
                                       const std::vector<double>& reduced,
                                       const std::vector<uint8_t>& selected) {
    std::vector<uint32_t> cover;
    for (uint32_t column = 0; column < table.columnCount(); ++column) {
        if (selected[column] != 0) cover.push_back(column);
    }
    std::vector<uint32_t> counts = coverCounts(table, cover);
    // A column of no reduced cost is still not free: a little of its cost stays.
    constexpr double kKeptShare = 1.0 / 64;
    std::vector<double> price(table.columnCount());
    for (size_t column = 0; column < price.size(); ++column) {
        const double cost = kind.countsColumns ? 1 : static_cast<double>(table.cost[column]);
        price[column] = std::max(reduced[column], 0.0) + kKeptShare * cost;
    }
    return completed(table, cover, counts, price);
}

namespace {

// A cover being improved: which columns are in it and how many of them cover each
// row.
class CImprovement {
  public:
    CImprovement(const CoverTable& table, const std::vector<uint32_t>& cover, WorkBudget& budget)
        : table_(table),
          budget_(budget),
          inCover_(table.columnCount(), 0),
          counts_(coverCounts(table, cover)),
          stamp_(table.rowCount(), 0),
          freed_(table.columnCount(), 0) {
        for (const uint32_t column : cover) inCover_[column] = 1;
    }

    std::vector<uint32_t> run() {
        while (!budget_.exhausted() && round()) {
        }
        std::vector<uint32_t> cover;
        for (uint32_t column = 0; column < table_.columnCount(); ++column) {
            if (inCover_[column] != 0) cover.push_back(column);
        }
        return cover;
    }

  private:
    // A column from outside makes a column of the cover unnecessary when it covers
    // every row that only that one covers. Each column from outside that does so for
    // two of them, or for one dearer than itself, is taken and they go, the best
    // first; false when none does.
    bool round() {
        std::vector<uint32_t> candidates;
        uint64_t work = table_.columnCount();
        for (uint32_t column = 0; column < table_.columnCount(); ++column) {
            if (inCover_[column] != 0) work += freedBy(column, candidates);
        }
        budget_.spend(work);
        std::sort(candidates.begin(), candidates.end(), [&](uint32_t a, uint32_t b) {
            return freed_[a] != freed_[b] ? freed_[a] > freed_[b] : a < b;
        });
        bool improved = false;
        for (const uint32_t column : candidates) {
            freed_[column] = 0;
            improved = swapIn(column) || improved;
        }
        return improved;
    }

    // Counts in `freed_` each outside column that covers the rows only `column`
    // covers, found among the columns of the one of those rows with the fewest.
    uint64_t freedBy(uint32_t column, std::vector<uint32_t>& candidates) {
        ++stampValue_;
        uint32_t unique = 0, pivot = UINT32_MAX;
        for (const uint32_t row : table_.columns[column]) {
            if (counts_[row] != 1) continue;
            stamp_[row] = stampValue_;
            ++unique;
            if (pivot == UINT32_MAX || table_.rows[row].size() < table_.rows[pivot].size())
                pivot = row;
        }
        uint64_t work = table_.columns[column].size();
        if (pivot == UINT32_MAX) return work;
        for (const uint32_t other : table_.rows[pivot]) {
            if (inCover_[other] != 0) continue;
            uint32_t covered = 0;
            for (const uint32_t row : table_.columns[other]) covered += stamp_[row] == stampValue_;
            work += table_.columns[other].size();
            if (covered != unique) continue;
            if (freed_[other]++ == 0) candidates.push_back(other);
        }
        return work;
    }

    // Takes the column in and the cover's columns it leaves unnecessary out, the
    // dearest first, if that leaves fewer columns or as many at a lower cost.
    bool swapIn(uint32_t column) {
        for (const uint32_t row : table_.columns[column]) ++counts_[row];
        std::vector<uint32_t> touched;
        uint64_t work = 0;
        for (const uint32_t row : table_.columns[column]) {
            work += table_.rows[row].size();
            for (const uint32_t other : table_.rows[row]) {
                if (inCover_[other] == 1) {
                    inCover_[other] = 2;
                    touched.push_back(other);
                }
            }
        }
        std::sort(touched.begin(), touched.end(), [&](uint32_t a, uint32_t b) {
            return table_.cost[a] != table_.cost[b] ? table_.cost[a] > table_.cost[b] : a < b;
        });
        std::vector<uint32_t> dropped;
        int64_t droppedCost = 0;
        for (const uint32_t other : touched) {
            inCover_[other] = 1;
            work += table_.columns[other].size();
            if (!unneeded(table_, other, counts_)) continue;
            dropped.push_back(other);
            droppedCost += table_.cost[other];
            for (const uint32_t row : table_.columns[other]) --counts_[row];
        }
        budget_.spend(work + 2 * table_.columns[column].size());
        if (gains(dropped.size(), droppedCost, table_.cost[column])) {
            inCover_[column] = 1;
            for (const uint32_t other : dropped) inCover_[other] = 0;
            return true;
        }
        for (const uint32_t other : dropped) {
            for (const uint32_t row : table_.columns[other]) ++counts_[row];
        }
        for (const uint32_t row : table_.columns[column]) --counts_[row];
        return false;
    }

    const CoverTable& table_;
    WorkBudget& budget_;
    std::vector<uint8_t> inCover_;  // 2 while being looked at
    std::vector<uint32_t> counts_;
    std::vector<uint32_t> stamp_;
    uint32_t stampValue_ = 0;
    std::vector<uint32_t> freed_;
};

}  // namespace

std::vector<uint32_t> improvedCover(const CoverTable& table, const std::vector<uint32_t>& cover,
                                    WorkBudget& budget) {
    return CImprovement(table, cover, budget).run();
}

}  // namespace analysis
