#include "analysis/CoverBounds.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace analysis {

IndependentRows independentRows(const CoverTable& table) {
    std::vector<uint32_t> order(table.rows.count());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return table.rows[a].size() < table.rows[b].size();
    });
    IndependentRows rows{0, std::vector<int64_t>(table.rows.count(), 0)};
    std::vector<uint8_t> used(table.cost.size(), 0);
    for (const uint32_t row : order) {
        const std::span<const uint32_t> columns = table.rows[row];
        if (std::any_of(columns.begin(), columns.end(), [&](uint32_t c) { return used[c] != 0; }))
            continue;
        int64_t cheapest = std::numeric_limits<int64_t>::max();
        for (const uint32_t column : columns) cheapest = std::min(cheapest, table.cost[column]);
        for (const uint32_t column : columns) used[column] = 1;
        rows.share[row] = cheapest;
        rows.cost += cheapest;
    }
    return rows;
}

int64_t wholeCostAtLeast(double value) {
    // Far above the rounding of the few thousand additions that make the value.
    constexpr double kMargin = 0.25;
    return static_cast<int64_t>(std::ceil(value - kMargin));
}

SettledColumns settledColumns(const LagrangianBound& below, int64_t above) {
    SettledColumns settled{std::vector<uint8_t>(below.reduced.size(), 0), {}, false};
    for (uint32_t column = 0; column < below.reduced.size(); ++column) {
        const double reduced = below.reduced[column];
        if (wholeCostAtLeast(below.value + std::abs(reduced)) < above) continue;
        if (reduced > 0) settled.out[column] = 1;
        if (reduced < 0) settled.in.push_back(column);
        settled.any = settled.any || reduced != 0;
    }
    return settled;
}

namespace {

// Steps without a better bound before the step length halves.
constexpr int kPatience = 6;

// L(u) and the reduced costs for the multipliers.
double relaxation(const CoverTable& table, const PackedLists& columnRows,
                  const std::vector<double>& multipliers, std::vector<double>& reduced) {
    double value = std::accumulate(multipliers.begin(), multipliers.end(), 0.0);
    for (uint32_t column = 0; column < table.cost.size(); ++column) {
        auto cost = static_cast<double>(table.cost[column]);
        for (const uint32_t row : columnRows[column]) cost -= multipliers[row];
        reduced[column] = cost;
        if (cost < 0) value += cost;
    }
    return value;
}

// One step of the multipliers along the subgradient (rows covered by no column of
// negative reduced cost go up, rows covered by several go down, never below 0),
// sized to reach `above` from `value`; false at a point where no step helps.
bool stepMultipliers(const CoverTable& table, const std::vector<double>& reduced, double value,
                     double above, double step, std::vector<double>& multipliers) {
    std::vector<double> gradient(table.rows.count(), 0);
    double norm = 0;
    for (uint32_t row = 0; row < table.rows.count(); ++row) {
        const std::span<const uint32_t> columns = table.rows[row];
        const auto covered = std::count_if(columns.begin(), columns.end(),
                                           [&](uint32_t c) { return reduced[c] < 0; });
        gradient[row] = 1 - static_cast<double>(covered);
        if (gradient[row] < 0 && multipliers[row] <= 0) gradient[row] = 0;
        norm += gradient[row] * gradient[row];
    }
    if (norm == 0) return false;
    const double move = step * (above - value) / norm;
    for (uint32_t row = 0; row < table.rows.count(); ++row)
        multipliers[row] = std::max(0.0, multipliers[row] + move * gradient[row]);
    return true;
}

}  // namespace

LagrangianBound lagrangianBound(const CoverTable& table, int64_t above, int steps) {
    const PackedLists columnRows = table.columnRows();
    const IndependentRows start = independentRows(table);
    std::vector<double> multipliers(start.share.begin(), start.share.end());
    std::vector<double> reduced(table.cost.size(), 0);
    if (!table.weight.empty() && relaxation(table, columnRows, table.weight, reduced) >
                                     relaxation(table, columnRows, multipliers, reduced))
        multipliers = table.weight;
    LagrangianBound best{0, 0, {}, {}};
    double step = 2;
    int unimproved = 0;
    for (int n = 0; n <= steps; ++n) {
        const double value = relaxation(table, columnRows, multipliers, reduced);
        if (n == 0 || value > best.value) {
            best.value = value;
            best.reduced = reduced;
            best.multipliers = multipliers;
            unimproved = 0;
        } else if (++unimproved >= kPatience) {
            step /= 2;
            unimproved = 0;
        }
        if (n == steps || wholeCostAtLeast(best.value) >= above ||
            !stepMultipliers(table, reduced, value, static_cast<double>(above), step, multipliers))
            break;
    }
    best.cost = wholeCostAtLeast(best.value);
    return best;
}

namespace {

// The cover without the columns the others make unnecessary, the costliest first;
// `coverCount` holds how many of its columns cover each row.
std::vector<uint32_t> withoutUnneeded(const CoverTable& table, const PackedLists& columnRows,
                                      std::vector<uint32_t> cover,
                                      std::vector<uint32_t>& coverCount) {
    std::stable_sort(cover.begin(), cover.end(),
                     [&](uint32_t a, uint32_t b) { return table.cost[a] > table.cost[b]; });
    std::vector<uint32_t> kept;
    for (const uint32_t column : cover) {
        const std::span<const uint32_t> rows = columnRows[column];
        if (std::all_of(rows.begin(), rows.end(),
                        [&](uint32_t row) { return coverCount[row] > 1; })) {
            for (const uint32_t row : rows) --coverCount[row];
        } else {
            kept.push_back(column);
        }
    }
    return kept;
}

}  // namespace

std::vector<uint32_t> greedyCover(const CoverTable& table) {
    const PackedLists columnRows = table.columnRows();
    std::vector<uint32_t> coverCount(table.rows.count(), 0);
    // How many uncovered rows each column covers, kept up to date as rows get covered.
    std::vector<size_t> gain(table.cost.size());
    for (uint32_t column = 0; column < gain.size(); ++column)
        gain[column] = columnRows[column].size();
    std::vector<uint32_t> cover;
    for (size_t uncovered = table.rows.count(); uncovered > 0;) {
        uint32_t best = 0;
        for (uint32_t column = 1; column < gain.size(); ++column) {
            if (gain[column] > gain[best] ||
                (gain[column] == gain[best] && table.cost[column] < table.cost[best]))
                best = column;
        }
        for (const uint32_t row : columnRows[best]) {
            if (coverCount[row]++ > 0) continue;
            --uncovered;
            for (const uint32_t column : table.rows[row]) --gain[column];
        }
        cover.push_back(best);
    }
    return withoutUnneeded(table, columnRows, cover, coverCount);
}

std::vector<uint32_t> reducedCostCover(const CoverTable& table,
                                       const std::vector<double>& reduced) {
    const PackedLists columnRows = table.columnRows();
    std::vector<uint32_t> coverCount(table.rows.count(), 0);
    std::vector<uint32_t> cover;
    auto take = [&](uint32_t column) {
        cover.push_back(column);
        for (const uint32_t row : columnRows[column]) ++coverCount[row];
    };
    for (uint32_t column = 0; column < table.cost.size(); ++column) {
        if (reduced[column] < 0) take(column);
    }
    for (uint32_t row = 0; row < table.rows.count(); ++row) {
        if (coverCount[row] > 0) continue;
        const std::span<const uint32_t> columns = table.rows[row];
        take(*std::min_element(columns.begin(), columns.end(),
                               [&](uint32_t a, uint32_t b) { return reduced[a] < reduced[b]; }));
    }
    return withoutUnneeded(table, columnRows, cover, coverCount);
}

}  // namespace analysis
