#include <algorithm>
#include <limits>

#include "analysis/CoverHeuristics.h"
#include "analysis/CoverList.h"
#include "analysis/CoverProblem.h"
#include "analysis/CoverReduction.h"
#include "analysis/CoverSearch.h"
#include "analysis/CoverTable.h"

namespace analysis {
namespace {

constexpr int64_t kNoLimit = std::numeric_limits<int64_t>::max() / 4;

// The least covers of one part: its fewest columns proven, then its least cost at
// that many, then its covers of that cost listed. Past the search's budget, the best
// cover found.
CoverList partCovers(const CoverTable& part, WorkBudget& search, WorkBudget& listing,
                     const ListLimits& limits, bool& proven) {
    FoundCover best = CCoverSearch(search).fewestColumns(part, kNoLimit);
    if (!search.exhausted()) {
        best =
            CCoverSearch(search).cheapest(part, static_cast<size_t>(best.columns), kNoLimit, best);
    }
    proven = !search.exhausted();
    if (!proven) return {{best.cover}, 1, false};
    CoverList all =
        CCoverSearch(listing).all(part, static_cast<size_t>(best.columns), best.cost, limits);
    // The proof found one even if the listing ran out before it.
    if (all.covers.empty()) return {{best.cover}, 1, false};
    return all;
}

}  // namespace

// What every least cover holds comes first, so that the search starts on smaller
// parts; the covers of the whole are the combinations of the parts' covers.
CoverSolutions leastCovers(const CoverProblem& problem, const CoverLimits& limits) {
    CoverTable table = CoverTable::of(problem);
    ColumnChoices essential;
    int64_t essentialCost = 0;
    uint64_t work = 0;
    reduceTable(table, Dominance::Cheaper, essential, essentialCost, work);
    WorkBudget search(limits.searchWork);
    search.spend(work);
    WorkBudget listing(limits.enumerationWork);
    const ListLimits listLimits{limits.listed, limits.counted};
    std::vector<CoverList> lists;
    bool proven = true;
    for (const CoverTable& part : independentParts(table)) {
        bool partProven = false;
        lists.push_back(partCovers(part, search, listing, listLimits, partProven));
        proven = proven && partProven;
    }
    CoverList whole;
    addCombinations(whole, essential, lists, proven ? listLimits : ListLimits{1, 1});
    return {whole.covers, proven, proven ? whole.count : 0, proven && whole.complete};
}

}  // namespace analysis
