#include "analysis/CoverBounds.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace analysis {

namespace {

// Steps without a better bound before the step length halves, and the lengths: from
// each row's cheapest share, and from the multipliers of a table before.
constexpr int kPatience = 8;
constexpr double kColdStep = 2;
constexpr double kWarmStep = 0.5;
constexpr double kLeastStep = 1.0 / 256;
// A bound past any cost: no cover of that many columns exists.
constexpr double kNoCover = 1e15;

}  // namespace

int64_t wholeAtLeast(double value) {
    // Far above the rounding of the few thousand additions that make the value.
    constexpr double kMargin = 1e-6;
    return static_cast<int64_t>(std::ceil(std::min(value, kNoCover) - kMargin));
}

namespace {

double costOf(const CoverTable& table, BoundKind kind, uint32_t column) {
    return kind.countsColumns ? 1 : static_cast<double>(table.cost[column]);
}

const std::vector<double>& weightsOf(const CoverTable& table, BoundKind kind) {
    return kind.countsColumns ? table.countWeight : table.weight;
}

class CRelaxation {
  public:
    CRelaxation(const CoverTable& table, BoundKind kind)
        : table_(table),
          kind_(kind),
          reduced_(table.columnCount()),
          selected_(table.columnCount()) {}

    // L(u), with the reduced costs and the columns selected.
    double value(const std::vector<double>& multipliers) {
        double value = std::accumulate(multipliers.begin(), multipliers.end(), 0.0);
        for (uint32_t column = 0; column < table_.columnCount(); ++column) {
            double reduced = costOf(table_, kind_, column);
            for (const uint32_t row : table_.columns[column]) reduced -= multipliers[row];
            reduced_[column] = reduced;
        }
        if (kind_.countsColumns) {
            for (size_t column = 0; column < reduced_.size(); ++column) {
                selected_[column] = reduced_[column] < 0 ? 1 : 0;
                if (selected_[column] != 0) value += reduced_[column];
            }
            return value;
        }
        if (kind_.columns > reduced_.size()) return kNoCover;
        return value + selectCheapest();
    }

    const std::vector<double>& reduced() const { return reduced_; }
    const std::vector<uint8_t>& selected() const { return selected_; }
    double lastSelected() const { return lastSelected_; }
    double firstUnselected() const { return firstUnselected_; }

  private:
    // Selects the `columns` least reduced costs (the first of equal ones) and
    // returns their sum.
    double selectCheapest() {
        order_.resize(reduced_.size());
        std::iota(order_.begin(), order_.end(), 0);
        auto before = [&](uint32_t a, uint32_t b) {
            return reduced_[a] != reduced_[b] ? reduced_[a] < reduced_[b] : a < b;
        };
        const size_t count = kind_.columns;
        std::fill(selected_.begin(), selected_.end(), 0);
        firstUnselected_ = std::numeric_limits<double>::infinity();
        lastSelected_ = -std::numeric_limits<double>::infinity();
        if (count < order_.size()) {
            std::nth_element(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(count),
                             order_.end(), before);
            firstUnselected_ = reduced_[order_[count]];
        }
        double sum = 0;
        for (size_t n = 0; n < count; ++n) {
            selected_[order_[n]] = 1;
            sum += reduced_[order_[n]];
            lastSelected_ = std::max(lastSelected_, reduced_[order_[n]]);
        }
        return sum;
    }

    const CoverTable& table_;
    BoundKind kind_;
    std::vector<double> reduced_;
    std::vector<uint8_t> selected_;
    std::vector<uint32_t> order_;
    double lastSelected_ = 0;
    double firstUnselected_ = 0;
};

// Each row's cheapest cost per row of the columns that cover it: every reduced cost
// is then at least 0.
std::vector<double> sharedCosts(const CoverTable& table, BoundKind kind) {
    std::vector<double> multipliers(table.rowCount(), std::numeric_limits<double>::max());
    for (uint32_t column = 0; column < table.columnCount(); ++column) {
        const std::span<const uint32_t> rows = table.columns[column];
        const double share = costOf(table, kind, column) / static_cast<double>(rows.size());
        for (const uint32_t row : rows) multipliers[row] = std::min(multipliers[row], share);
    }
    return multipliers;
}

// How many times too few each row is covered by the selected columns: the
// subgradient, 0 where the multiplier cannot go lower.
std::vector<double> subgradient(const CoverTable& table, const std::vector<uint8_t>& selected,
                                const std::vector<double>& multipliers) {
    std::vector<double> gradient(table.rowCount(), 1);
    for (uint32_t column = 0; column < table.columnCount(); ++column) {
        if (selected[column] == 0) continue;
        for (const uint32_t row : table.columns[column]) gradient[row] -= 1;
    }
    for (size_t row = 0; row < gradient.size(); ++row) {
        if (gradient[row] < 0 && multipliers[row] <= 0) gradient[row] = 0;
    }
    return gradient;
}

}  // namespace

LagrangianBound lagrangianBound(const CoverTable& table, BoundKind kind, int64_t above, int steps,
                                uint64_t& work, const StepView& sawStep) {
    const uint64_t stepWork = 2 * table.rows.entries() + table.rowCount() + table.columnCount();
    const std::vector<double>& weights = weightsOf(table, kind);
    std::vector<double> multipliers = weights.empty() ? sharedCosts(table, kind) : weights;
    double step = weights.empty() ? kColdStep : kWarmStep;
    CRelaxation relaxation(table, kind);
    LagrangianBound best{kind, 0, 0, {}, {}, {}, 0, 0};
    const auto target = static_cast<double>(above);
    int unimproved = 0;
    for (int n = 0;; ++n) {
        const double value = relaxation.value(multipliers);
        work += stepWork;
        if (n == 0 || value > best.value) {
            best.value = value;
            best.reduced = relaxation.reduced();
            best.selected = relaxation.selected();
            best.multipliers = multipliers;
            best.lastSelected = relaxation.lastSelected();
            best.firstUnselected = relaxation.firstUnselected();
            unimproved = 0;
        } else if (++unimproved >= kPatience) {
            step /= 2;
            unimproved = 0;
        }
        if (n >= steps || wholeAtLeast(best.value) >= above || step < kLeastStep) break;
        if (sawStep && n % kStepsSeen == kStepsSeen - 1)
            sawStep(relaxation.reduced(), relaxation.selected());
        const std::vector<double> gradient = subgradient(table, relaxation.selected(), multipliers);
        double norm = 0;
        for (const double g : gradient) norm += g * g;
        // At 0 the selected columns are a cover of cost L(u).
        if (norm == 0) break;
        const double move = step * std::max(target - value, 1.0) / norm;
        for (size_t row = 0; row < multipliers.size(); ++row)
            multipliers[row] = std::max(0.0, multipliers[row] + move * gradient[row]);
    }
    best.cost = wholeAtLeast(best.value);
    return best;
}

double relaxationValue(const CoverTable& table, BoundKind kind, uint64_t& work) {
    const std::vector<double>& weights = weightsOf(table, kind);
    if (weights.empty()) return 0;
    work += table.rows.entries() + table.rowCount();
    return CRelaxation(table, kind).value(weights);
}

// Counting columns, a column in raises L(u) by its reduced cost if positive and one
// out by minus it if negative. With `columns` selected, a column in that was not
// selected takes the place of the dearest selected one, and a selected column out
// gives its place to the cheapest unselected one.
SettledColumns settledColumns(const LagrangianBound& below, int64_t above) {
    SettledColumns settled{std::vector<uint8_t>(below.reduced.size(), 0), {}, false};
    const bool counts = below.kind.countsColumns;
    for (uint32_t column = 0; column < below.reduced.size(); ++column) {
        const double reduced = below.reduced[column];
        const bool selected = below.selected[column] != 0;
        const double withIt =
            counts ? std::max(reduced, 0.0) : (selected ? 0 : reduced - below.lastSelected);
        const double withoutIt =
            counts ? -std::min(reduced, 0.0) : (selected ? below.firstUnselected - reduced : 0);
        if (wholeAtLeast(below.value + withIt) >= above) {
            settled.out[column] = 1;
            settled.any = true;
        } else if (wholeAtLeast(below.value + withoutIt) >= above) {
            settled.in.push_back(column);
            settled.any = true;
        }
    }
    return settled;
}

}  // namespace analysis
