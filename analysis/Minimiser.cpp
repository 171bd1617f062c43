#include "analysis/Minimiser.h"

#include <algorithm>
#include <utility>

#include "analysis/CoverProblem.h"
#include "analysis/ExpandedCover.h"
#include "analysis/PrimeCubes.h"

namespace analysis {
namespace {

// A variable fixed to 0, fixed to 1, free: the order of terms within a form.
int digitOf(const Cube& cube, uint32_t bit) {
    if ((cube.care & bit) == 0) return 2;
    return (cube.bits & bit) != 0 ? 1 : 0;
}

// The digits of the variables read in base 3, the first variable the most
// significant: terms in the order of their keys.
uint64_t orderKey(const Cube& cube, int variableCount) {
    uint64_t key = 0;
    for (int variable = 0; variable < variableCount; ++variable)
        key = key * 3 + static_cast<uint64_t>(digitOf(cube, variableBit(variable, variableCount)));
    return key;
}

bool termBefore(const Cube& a, const Cube& b, int variableCount) {
    return orderKey(a, variableCount) < orderKey(b, variableCount);
}

void putInOrder(NormalForm& form, int variableCount) {
    std::vector<std::pair<uint64_t, Cube>> keyed;
    for (const Cube& term : form.terms) keyed.emplace_back(orderKey(term, variableCount), term);
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t term = 0; term < keyed.size(); ++term) form.terms[term] = keyed[term].second;
}

// Forms in the order of their terms.
void putInOrder(std::vector<NormalForm>& forms, int variableCount) {
    for (NormalForm& form : forms) putInOrder(form, variableCount);
    std::sort(forms.begin(), forms.end(), [&](const NormalForm& a, const NormalForm& b) {
        return std::lexicographical_compare(
            a.terms.begin(), a.terms.end(), b.terms.begin(), b.terms.end(),
            [&](const Cube& x, const Cube& y) { return termBefore(x, y, variableCount); });
    });
}

CoverProblem coverProblemOf(const RowSet& inside, const std::vector<Cube>& primes,
                            int variableCount) {
    std::vector<uint32_t> rowNumber(inside.size(), 0);
    CoverProblem problem;
    for (uint32_t row = 0; row < inside.size(); ++row) {
        if (inside[row] == 0) continue;
        rowNumber[row] = static_cast<uint32_t>(problem.rowColumns.size());
        problem.rowColumns.emplace_back();
    }
    for (uint32_t column = 0; column < primes.size(); ++column) {
        forEachRow(primes[column], variableCount,
                   [&](uint32_t row) { problem.rowColumns[rowNumber[row]].push_back(column); });
        problem.columnCost.push_back(primes[column].literalCount());
    }
    return problem;
}

// The work of finding the primes (a visit of each of the 3^n cubes) and of building
// their table (a few passes over its entries), which counts against the search's.
uint64_t buildingWork(const CoverProblem& problem, int variableCount) {
    constexpr uint64_t kPasses = 4;
    uint64_t work = 1;
    for (int variable = 0; variable < variableCount; ++variable) work *= 3;
    for (const std::vector<uint32_t>& columns : problem.rowColumns)
        work += kPasses * columns.size();
    return work;
}

FormList exactForms(const RowSet& inside, int variableCount, FormKind kind,
                    const MinimiserLimits& limits) {
    const std::vector<Cube> primes = primeCubes(inside, variableCount);
    const CoverProblem problem = coverProblemOf(inside, primes, variableCount);
    const uint64_t built = buildingWork(problem, variableCount);
    const CoverSolutions solutions =
        leastCovers(problem, {limits.searchWork > built ? limits.searchWork - built : 0,
                              limits.enumerationWork, limits.listedForms, limits.countedForms});
    FormList list{kind, {}, solutions.proven, solutions.count, solutions.countExact};
    for (const std::vector<uint32_t>& cover : solutions.covers) {
        NormalForm form{kind, {}};
        for (const uint32_t column : cover) form.terms.push_back(primes[column]);
        list.forms.push_back(form);
    }
    putInOrder(list.forms, variableCount);
    return list;
}

}  // namespace

FormList minimalForms(const BooleanFunction& function, FormKind kind,
                      const MinimiserLimits& limits) {
    const int variableCount = function.variableCount();
    RowSet inside(function.rowCount(), 0);
    for (uint32_t row = 0; row < function.rowCount(); ++row)
        inside[row] = function.value(row) == (kind == FormKind::Dnf) ? 1 : 0;
    const auto rows = static_cast<uint32_t>(std::count(inside.begin(), inside.end(), 1));
    // The constants: no term at all, or one term without literals.
    if (rows == 0) return {kind, {NormalForm{kind, {}}}, true, 1, true};
    if (rows == function.rowCount()) return {kind, {NormalForm{kind, {Cube{}}}}, true, 1, true};
    if (variableCount <= kExactVariableLimit)
        return exactForms(inside, variableCount, kind, limits);
    NormalForm form{kind, expandedCover(inside, variableCount, limits.expansionWork)};
    putInOrder(form, variableCount);
    return {kind, {form}, false, 0, false};
}

Minimisation minimise(const BooleanFunction& function, const MinimiserLimits& limits) {
    return {minimalForms(function, FormKind::Dnf, limits),
            minimalForms(function, FormKind::Cnf, limits)};
}

}  // namespace analysis
