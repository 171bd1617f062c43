#include "analysis/CoverReduction.h"

#include <algorithm>
#include <span>
#include <vector>

namespace analysis {
namespace {

constexpr uint32_t kNone = UINT32_MAX;

// The reductions on flags of what is still alive, each row and column marked when
// it loses a column or a row, since only then it can come to lie inside another:
// the first round looks at all, the later ones at those marked.
class CTableReduction {
  public:
    CTableReduction(CoverTable& table, Dominance dominance, ColumnChoices& taken,
                    int64_t& takenCost, uint64_t& work)
        : table_(table),
          dominance_(dominance),
          taken_(taken),
          takenCost_(takenCost),
          work_(work),
          rowAlive_(table.rowCount(), 1),
          columnAlive_(table.columnCount(), 1),
          rowChanged_(table.rowCount(), 1),
          columnChanged_(table.columnCount(), 1),
          rowLive_(table.rowCount()),
          columnLive_(table.columnCount()),
          merged_(table.columnCount()),
          stamp_(std::max(table.rowCount(), table.columnCount()), 0) {
        for (size_t row = 0; row < rowLive_.size(); ++row) {
            rowLive_[row] = static_cast<uint32_t>(table.rows[row].size());
            uncoverable_ = uncoverable_ || rowLive_[row] == 0;
        }
        for (size_t column = 0; column < columnLive_.size(); ++column)
            columnLive_[column] = static_cast<uint32_t>(table.columns[column].size());
    }

    bool run() {
        bool changed = true;
        while (changed && !uncoverable_) {
            changed = takeEssentials();
            changed = dropDominatingRows() || changed;
            changed = dropDominatedColumns() || changed;
        }
        if (uncoverable_) return false;
        compact();
        return true;
    }

  private:
    void killRow(uint32_t row) {
        rowAlive_[row] = 0;
        for (const uint32_t column : table_.rows[row]) {
            if (columnAlive_[column] == 0) continue;
            columnChanged_[column] = 1;
            if (--columnLive_[column] == 0) columnAlive_[column] = 0;
        }
        work_ += table_.rows[row].size();
    }

    void killColumn(uint32_t column) {
        columnAlive_[column] = 0;
        for (const uint32_t row : table_.columns[column]) {
            if (rowAlive_[row] == 0) continue;
            rowChanged_[row] = 1;
            if (--rowLive_[row] == 0) uncoverable_ = true;
        }
        work_ += table_.columns[column].size();
    }

    void takeColumn(uint32_t column) {
        taken_.append(alternativesOf(column));
        takenCost_ += table_.cost[column];
        columnAlive_[column] = 0;
        for (const uint32_t row : table_.columns[column]) {
            if (rowAlive_[row] != 0) killRow(row);
        }
    }

    // `column` stands for `other` from now on.
    void merge(uint32_t other, uint32_t column) {
        merged_[column].push_back(other);
        killColumn(other);
    }

    std::vector<uint32_t> alternativesOf(uint32_t column) const {
        std::vector<uint32_t> numbers;
        std::vector<uint32_t> pending{column};
        while (!pending.empty()) {
            const uint32_t next = pending.back();
            pending.pop_back();
            const std::span<const uint32_t> own = table_.original[next];
            numbers.insert(numbers.end(), own.begin(), own.end());
            pending.insert(pending.end(), merged_[next].begin(), merged_[next].end());
        }
        return numbers;
    }

    bool takeEssentials() {
        bool changed = false;
        work_ += table_.rowCount();
        for (uint32_t row = 0; row < table_.rowCount() && !uncoverable_; ++row) {
            if (rowAlive_[row] == 0 || rowLive_[row] != 1) continue;
            for (const uint32_t column : table_.rows[row]) {
                if (columnAlive_[column] != 0) takeColumn(column);
            }
            changed = true;
        }
        return changed;
    }

    // The live entry of `candidates` whose live count is least.
    static uint32_t fewestOf(std::span<const uint32_t> candidates,
                             const std::vector<uint8_t>& alive, const std::vector<uint32_t>& live) {
        uint32_t best = kNone;
        for (const uint32_t candidate : candidates) {
            if (alive[candidate] != 0 && (best == kNone || live[candidate] < live[best]))
                best = candidate;
        }
        return best;
    }

    // Marks the live entries of `list`; then stampedIn counts how many live entries
    // of another list are marked.
    void stampLive(std::span<const uint32_t> list, const std::vector<uint8_t>& alive) {
        ++stampValue_;
        for (const uint32_t number : list) {
            if (alive[number] != 0) stamp_[number] = stampValue_;
        }
    }
    uint32_t stampedIn(std::span<const uint32_t> list, const std::vector<uint8_t>& alive) const {
        uint32_t count = 0;
        for (const uint32_t number : list)
            count += alive[number] != 0 && stamp_[number] == stampValue_;
        return count;
    }

    // The rows, or the columns, with what they list.
    struct Side {
        const PackedLists& lists;
        const PackedLists& across;
        const std::vector<uint8_t>& alive;
        const std::vector<uint8_t>& aliveAcross;
        const std::vector<uint32_t>& live;
        const std::vector<uint32_t>& liveAcross;
    };
    Side rowSide() const {
        return {table_.rows, table_.columns, rowAlive_, columnAlive_, rowLive_, columnLive_};
    }
    Side columnSide() const {
        return {table_.columns, table_.rows, columnAlive_, rowAlive_, columnLive_, rowLive_};
    }

    // Calls `found` with each other live one of the side whose live entries include
    // all those of `one`, looked for among the entries of its entry listed the
    // fewest times, until `found` returns false.
    template <typename Found>
    void forEachIncluding(uint32_t one, const Side& side, Found found) {
        const uint32_t pivot = fewestOf(side.lists[one], side.aliveAcross, side.liveAcross);
        stampLive(side.lists[one], side.aliveAcross);
        work_ += side.lists[one].size() + side.across[pivot].size();
        for (const uint32_t other : side.across[pivot]) {
            if (other == one || side.alive[other] == 0 || side.live[other] < side.live[one])
                continue;
            work_ += side.lists[other].size();
            if (stampedIn(side.lists[other], side.aliveAcross) != side.live[one]) continue;
            if (!found(other)) return;
        }
    }

    // A row whose live columns include all the live columns of another row is covered
    // whenever that one is; of two rows with the same columns the first stays.
    bool dropDominatingRows() {
        bool changed = false;
        for (uint32_t row = 0; row < table_.rowCount() && !uncoverable_; ++row) {
            if (rowAlive_[row] == 0 || rowChanged_[row] == 0) continue;
            rowChanged_[row] = 0;
            forEachIncluding(row, rowSide(), [&](uint32_t other) {
                changed = true;
                killRow(rowLive_[other] == rowLive_[row] ? std::max(row, other) : other);
                return rowAlive_[row] != 0;
            });
        }
        return changed;
    }

    // Of two columns with the same live rows, the one that goes: the dearer, or of
    // equal ones the later, which the earlier then stands for.
    void dropTwin(uint32_t column, uint32_t other) {
        const int64_t cost = table_.cost[column], otherCost = table_.cost[other];
        const bool columnGoes = cost != otherCost ? cost > otherCost : column > other;
        const uint32_t goes = columnGoes ? column : other, stays = columnGoes ? other : column;
        if (cost == otherCost) {
            merge(goes, stays);
        } else {
            killColumn(goes);
        }
    }

    // Whether `other`, covering more rows than `column`, makes it unnecessary.
    bool dominates(uint32_t other, uint32_t column) const {
        const int64_t otherCost = table_.cost[other], cost = table_.cost[column];
        switch (dominance_) {
            case Dominance::AnyCost:
                return true;
            case Dominance::NoDearer:
                return otherCost <= cost;
            case Dominance::Cheaper:
                return otherCost < cost;
        }
        return false;
    }

    bool dropDominatedColumns() {
        bool changed = false;
        for (uint32_t column = 0; column < table_.columnCount() && !uncoverable_; ++column) {
            if (columnAlive_[column] == 0 || columnChanged_[column] == 0) continue;
            columnChanged_[column] = 0;
            forEachIncluding(column, columnSide(), [&](uint32_t other) {
                if (columnLive_[other] == columnLive_[column]) {
                    dropTwin(column, other);
                    changed = true;
                } else if (dominates(other, column)) {
                    killColumn(column);
                    changed = true;
                }
                return columnAlive_[column] != 0 && !uncoverable_;
            });
        }
        return changed;
    }

    // The live rows and columns numbered anew in the same order; a merged column keeps
    // the numbers of those it stands for.
    void compact() {
        CoverTable compacted;
        std::vector<uint32_t> rowNumber(table_.rowCount(), kNone);
        uint32_t rows = 0;
        for (uint32_t row = 0; row < table_.rowCount(); ++row) {
            if (rowAlive_[row] == 0) continue;
            rowNumber[row] = rows++;
            if (!table_.weight.empty()) compacted.weight.push_back(table_.weight[row]);
            if (!table_.countWeight.empty())
                compacted.countWeight.push_back(table_.countWeight[row]);
        }
        for (uint32_t column = 0; column < table_.columnCount(); ++column) {
            if (columnAlive_[column] == 0) continue;
            for (const uint32_t row : table_.columns[column]) {
                if (rowAlive_[row] != 0) compacted.columns.add(rowNumber[row]);
            }
            compacted.columns.finish();
            compacted.cost.push_back(table_.cost[column]);
            compacted.original.append(alternativesOf(column));
        }
        compacted.rows = compacted.columns.transposed(rows);
        work_ += table_.rows.entries();
        table_ = std::move(compacted);
    }

    CoverTable& table_;
    Dominance dominance_;
    ColumnChoices& taken_;
    int64_t& takenCost_;
    uint64_t& work_;
    std::vector<uint8_t> rowAlive_;
    std::vector<uint8_t> columnAlive_;
    std::vector<uint8_t> rowChanged_;
    std::vector<uint8_t> columnChanged_;
    std::vector<uint32_t> rowLive_;     // live columns of each row
    std::vector<uint32_t> columnLive_;  // live rows of each column
    std::vector<std::vector<uint32_t>> merged_;
    std::vector<uint32_t> stamp_;
    uint32_t stampValue_ = 0;
    bool uncoverable_ = false;
};

}  // namespace

bool reduceTable(CoverTable& table, Dominance dominance, ColumnChoices& taken, int64_t& takenCost,
                 uint64_t& work) {
    return CTableReduction(table, dominance, taken, takenCost, work).run();
}

}  // namespace analysis
