#include <algorithm>

#include "analysis/CoverProblem.h"
#include "analysis/CoverSearch.h"
#include "analysis/CoverTable.h"

namespace analysis {
namespace {

// The essential columns with one listed cover of each part, chosen by `choice`.
std::vector<uint32_t> combined(const std::vector<uint32_t>& essential,
                               const std::vector<PartCovers>& parts,
                               const std::vector<size_t>& choice) {
    std::vector<uint32_t> cover = essential;
    for (size_t part = 0; part < parts.size(); ++part) {
        const std::vector<uint32_t>& columns = parts[part].covers[choice[part]];
        cover.insert(cover.end(), columns.begin(), columns.end());
    }
    std::sort(cover.begin(), cover.end());
    return cover;
}

// The next combination of the parts' listed covers, the last part changing fastest;
// false after the last one.
bool advance(std::vector<size_t>& choice, const std::vector<PartCovers>& parts) {
    for (size_t part = parts.size(); part-- > 0;) {
        if (++choice[part] < parts[part].covers.size()) return true;
        choice[part] = 0;
    }
    return false;
}

uint64_t saturatingProduct(uint64_t a, uint64_t b, uint64_t limit) {
    if (a == 0 || b == 0) return 0;
    return a > limit / b ? limit + 1 : std::min(a * b, limit + 1);
}

}  // namespace

CoverSolutions leastCovers(const CoverProblem& problem, const CoverLimits& limits) {
    // What every least cover holds first, so that the search starts on smaller parts.
    CoverTable table = CoverTable::of(problem);
    std::vector<uint32_t> essential;
    uint64_t work = 0;
    reduceTable(table, Dominance::Cheaper, essential, work);
    WorkBudget search(limits.searchWork);
    WorkBudget enumeration(limits.enumerationWork);
    std::vector<PartCovers> parts;
    CoverSolutions solutions;
    for (const CoverTable& part : independentParts(table)) {
        parts.push_back(
            leastCoversOfPart(part, search, enumeration, limits.listed, limits.counted));
        solutions.proven = solutions.proven && parts.back().proven;
    }
    std::vector<size_t> choice(parts.size(), 0);
    if (!solutions.proven) {
        solutions.covers = {combined(essential, parts, choice)};
        solutions.count = 0;
        solutions.countExact = false;
        return solutions;
    }
    uint64_t count = 1;
    for (const PartCovers& part : parts) {
        count = saturatingProduct(count, part.count, limits.counted);
        solutions.countExact = solutions.countExact && part.countExact;
    }
    solutions.countExact = solutions.countExact && count <= limits.counted;
    solutions.count = std::min(count, limits.counted);
    do {
        solutions.covers.push_back(combined(essential, parts, choice));
    } while (solutions.covers.size() < limits.listed && advance(choice, parts));
    return solutions;
}

}  // namespace analysis
