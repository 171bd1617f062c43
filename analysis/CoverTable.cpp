#include "analysis/CoverTable.h"

#include <algorithm>
#include <numeric>

namespace analysis {
namespace {

constexpr uint32_t kNone = UINT32_MAX;

bool includes(std::span<const uint32_t> outer, std::span<const uint32_t> inner) {
    return std::includes(outer.begin(), outer.end(), inner.begin(), inner.end());
}

bool holds(std::span<const uint32_t> list, uint32_t number) {
    return std::binary_search(list.begin(), list.end(), number);
}

// The entry of `candidates` whose list in `lists` is shortest.
uint32_t shortestOf(std::span<const uint32_t> candidates, const PackedLists& lists) {
    return *std::min_element(candidates.begin(), candidates.end(), [&](uint32_t a, uint32_t b) {
        return lists[a].size() < lists[b].size();
    });
}

class CTableReduction {
  public:
    CTableReduction(CoverTable& table, Dominance dominance, std::vector<uint32_t>& taken,
                    uint64_t& work)
        : table_(table),
          dominance_(dominance),
          taken_(taken),
          work_(work),
          rowAlive_(table.rows.count(), 1),
          columnAlive_(table.cost.size(), 1) {}

    bool run() {
        bool changed = true;
        while (changed) {
            changed = false;
            for (bool (CTableReduction::*step)() :
                 {&CTableReduction::takeEssentials, &CTableReduction::dropDominatedColumns,
                  &CTableReduction::dropDominatingRows}) {
                if (!snapshot()) return false;
                changed = (this->*step)() || changed;
            }
        }
        compact();
        return true;
    }

  private:
    // The live columns of every live row and the live rows of every live column;
    // false when a live row has none.
    bool snapshot() {
        work_ += table_.rows.entries();
        rows_ = PackedLists();
        for (uint32_t row = 0; row < table_.rows.count(); ++row) {
            if (rowAlive_[row] != 0) {
                size_t live = 0;
                for (const uint32_t column : table_.rows[row]) {
                    if (columnAlive_[column] == 0) continue;
                    rows_.add(column);
                    ++live;
                }
                if (live == 0) return false;
            }
            rows_.finish();
        }
        columns_ = rows_.transposed(table_.cost.size());
        return true;
    }

    bool takeEssentials() {
        bool changed = false;
        for (uint32_t row = 0; row < rows_.count(); ++row) {
            if (rowAlive_[row] == 0 || rows_[row].size() != 1) continue;
            const uint32_t column = rows_[row].front();
            taken_.push_back(table_.original[column]);
            columnAlive_[column] = 0;
            for (const uint32_t covered : columns_[column]) rowAlive_[covered] = 0;
            changed = true;
        }
        return changed;
    }

    // Whether `other` makes `column` unnecessary. Ties of rows and cost keep the
    // first column, so that one of them always stays.
    bool dominates(uint32_t other, uint32_t column) const {
        const int64_t otherCost = table_.cost[other], cost = table_.cost[column];
        if (otherCost > cost || !includes(columns_[other], columns_[column])) return false;
        if (otherCost < cost) return true;
        return dominance_ == Dominance::NoDearer &&
               (columns_[other].size() > columns_[column].size() || other < column);
    }

    bool dropDominatedColumns() {
        bool changed = false;
        for (uint32_t column = 0; column < columns_.count(); ++column) {
            if (columnAlive_[column] == 0) continue;
            const std::span<const uint32_t> rows = columns_[column];
            bool dominated = rows.empty();
            if (!dominated) {
                const std::span<const uint32_t> rivals = rows_[shortestOf(rows, rows_)];
                dominated = std::any_of(rivals.begin(), rivals.end(), [&](uint32_t other) {
                    return other != column && dominates(other, column);
                });
                work_ += rivals.size();
            }
            if (dominated) columnAlive_[column] = 0;
            changed = changed || dominated;
        }
        return changed;
    }

    // A row whose columns include all the columns of another row is covered whenever
    // that row is; of two rows with the same columns the first stays.
    bool dropDominatingRows() {
        bool changed = false;
        for (uint32_t row = 0; row < rows_.count(); ++row) {
            if (rowAlive_[row] == 0) continue;
            const std::span<const uint32_t> columns = rows_[row];
            const std::span<const uint32_t> rivals = columns_[shortestOf(columns, columns_)];
            work_ += rivals.size();
            for (const uint32_t other : rivals) {
                if (other == row || rowAlive_[other] == 0 || !includes(rows_[other], columns))
                    continue;
                if (rows_[other].size() == columns.size() && other < row) continue;
                rowAlive_[other] = 0;
                changed = true;
            }
        }
        return changed;
    }

    // The live rows, and the columns they use numbered anew in the same order.
    void compact() {
        std::vector<uint32_t> number(table_.cost.size(), kNone);
        CoverTable compacted;
        for (uint32_t row = 0; row < rows_.count(); ++row) {
            if (rowAlive_[row] == 0) continue;
            for (const uint32_t column : rows_[row]) number[column] = 0;
        }
        for (uint32_t column = 0; column < number.size(); ++column) {
            if (number[column] == kNone) continue;
            number[column] = static_cast<uint32_t>(compacted.cost.size());
            compacted.cost.push_back(table_.cost[column]);
            compacted.original.push_back(table_.original[column]);
        }
        for (uint32_t row = 0; row < rows_.count(); ++row) {
            if (rowAlive_[row] == 0) continue;
            for (const uint32_t column : rows_[row]) compacted.rows.add(number[column]);
            compacted.rows.finish();
            if (!table_.weight.empty()) compacted.weight.push_back(table_.weight[row]);
        }
        table_ = std::move(compacted);
    }

    CoverTable& table_;
    Dominance dominance_;
    std::vector<uint32_t>& taken_;
    uint64_t& work_;
    std::vector<uint8_t> rowAlive_;
    std::vector<uint8_t> columnAlive_;
    PackedLists rows_;
    PackedLists columns_;
};

uint32_t rootOf(std::vector<uint32_t>& parent, uint32_t row) {
    while (parent[row] != row) row = parent[row] = parent[parent[row]];
    return row;
}

}  // namespace

CoverTable CoverTable::of(const CoverProblem& problem) {
    CoverTable table{{}, problem.columnCost, {}, {}};
    for (const std::vector<uint32_t>& columns : problem.rowColumns) table.rows.append(columns);
    table.original.resize(problem.columnCost.size());
    std::iota(table.original.begin(), table.original.end(), 0);
    return table;
}

bool reduceTable(CoverTable& table, Dominance dominance, std::vector<uint32_t>& taken,
                 uint64_t& work) {
    return CTableReduction(table, dominance, taken, work).run();
}

CoverTable withColumnsTaken(const CoverTable& table, const std::vector<uint32_t>& columns) {
    CoverTable rest{{}, table.cost, table.original, {}};
    for (size_t row = 0; row < table.rows.count(); ++row) {
        if (std::any_of(columns.begin(), columns.end(),
                        [&](uint32_t column) { return holds(table.rows[row], column); }))
            continue;
        rest.rows.append(table.rows[row]);
        if (!table.weight.empty()) rest.weight.push_back(table.weight[row]);
    }
    return rest;
}

CoverTable withColumnLeftOut(const CoverTable& table, uint32_t column) {
    std::vector<uint8_t> leftOut(table.cost.size(), 0);
    leftOut[column] = 1;
    return withColumnsLeftOut(table, leftOut);
}

CoverTable withColumnsLeftOut(const CoverTable& table, const std::vector<uint8_t>& leftOut) {
    CoverTable rest{{}, table.cost, table.original, table.weight};
    for (size_t row = 0; row < table.rows.count(); ++row) {
        for (const uint32_t column : table.rows[row]) {
            if (leftOut[column] == 0) rest.rows.add(column);
        }
        rest.rows.finish();
    }
    return rest;
}

// Rows joined by a shared column fall into one part.
std::vector<CoverTable> independentParts(const CoverTable& table) {
    std::vector<uint32_t> parent(table.rows.count());
    std::iota(parent.begin(), parent.end(), 0);
    const PackedLists columnRows = table.columnRows();
    for (size_t column = 0; column < columnRows.count(); ++column) {
        const std::span<const uint32_t> rows = columnRows[column];
        for (size_t i = 1; i < rows.size(); ++i)
            parent[rootOf(parent, rows[i])] = rootOf(parent, rows[0]);
    }
    std::vector<uint32_t> partOfRoot(table.rows.count(), kNone);
    std::vector<uint32_t> localColumn(table.cost.size(), kNone);
    std::vector<CoverTable> parts;
    for (uint32_t row = 0; row < table.rows.count(); ++row) {
        uint32_t& partNumber = partOfRoot[rootOf(parent, row)];
        if (partNumber == kNone) {
            partNumber = static_cast<uint32_t>(parts.size());
            parts.emplace_back();
        }
        CoverTable& part = parts[partNumber];
        std::vector<uint32_t> columns;
        for (const uint32_t column : table.rows[row]) {
            if (localColumn[column] == kNone) {
                localColumn[column] = static_cast<uint32_t>(part.cost.size());
                part.cost.push_back(table.cost[column]);
                part.original.push_back(table.original[column]);
            }
            columns.push_back(localColumn[column]);
        }
        std::sort(columns.begin(), columns.end());
        part.rows.append(columns);
        if (!table.weight.empty()) part.weight.push_back(table.weight[row]);
    }
    return parts;
}

}  // namespace analysis
