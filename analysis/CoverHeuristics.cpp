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

std::vector<uint32_t> improvedCover(const CoverTable& table, std::vector<uint32_t> cover,
                                    WorkBudget& budget) {
    std::vector<uint32_t> counts = coverCounts(table, cover);
    std::vector<uint8_t> inCover(table.columnCount(), 0);
    for (const uint32_t column : cover) inCover[column] = 1;
    std::vector<uint32_t> stamp(table.columnCount(), 0);
    uint32_t stampValue = 0;
    bool improved = true;
    while (improved && !budget.exhausted()) {
        improved = false;
        for (uint32_t column = 0; column < table.columnCount() && !budget.exhausted(); ++column) {
            if (inCover[column] != 0) continue;
            // The columns of the cover that `column` would make unnecessary, the
            // dearest first.
            for (const uint32_t row : table.columns[column]) ++counts[row];
            std::vector<uint32_t> touched;
            uint64_t work = table.columns[column].size();
            ++stampValue;
            for (const uint32_t row : table.columns[column]) {
                work += table.rows[row].size();
                for (const uint32_t other : table.rows[row]) {
                    if (inCover[other] == 0 || stamp[other] == stampValue) continue;
                    stamp[other] = stampValue;
                    touched.push_back(other);
                }
            }
            std::sort(touched.begin(), touched.end(), [&](uint32_t a, uint32_t b) {
                return table.cost[a] != table.cost[b] ? table.cost[a] > table.cost[b] : a < b;
            });
            std::vector<uint32_t> dropped;
            int64_t droppedCost = 0;
            for (const uint32_t other : touched) {
                work += table.columns[other].size();
                if (!unneeded(table, other, counts)) continue;
                dropped.push_back(other);
                droppedCost += table.cost[other];
                for (const uint32_t row : table.columns[other]) --counts[row];
            }
            budget.spend(work);
            if (gains(dropped.size(), droppedCost, table.cost[column])) {
                inCover[column] = 1;
                for (const uint32_t other : dropped) inCover[other] = 0;
                improved = true;
                continue;
            }
            for (const uint32_t other : dropped) {
                for (const uint32_t row : table.columns[other]) ++counts[row];
            }
            for (const uint32_t row : table.columns[column]) --counts[row];
        }
    }
    cover.clear();
    for (uint32_t column = 0; column < table.columnCount(); ++column) {
        if (inCover[column] != 0) cover.push_back(column);
    }
    return cover;
}

}  // namespace analysis
