#include "analysis/CoverList.h"

#include <algorithm>

namespace analysis {
namespace {

uint64_t saturatingProduct(uint64_t a, uint64_t b, uint64_t limit) {
    if (a == 0 || b == 0) return 0;
    return a > limit / b ? limit : std::min(a * b, limit);
}

}  // namespace

void addCombinations(CoverList& list, const ColumnChoices& choices,
                     const std::vector<CoverList>& parts, const ListLimits& limits) {
    uint64_t count = 1;
    // The sizes of the odometer's digits: the choices' columns, then the parts'
    // listed covers.
    std::vector<size_t> sizes;
    for (size_t choice = 0; choice < choices.count(); ++choice) {
        sizes.push_back(choices[choice].size());
        count = saturatingProduct(count, sizes.back(), limits.counted);
    }
    for (const CoverList& part : parts) {
        sizes.push_back(part.covers.size());
        count = saturatingProduct(count, part.count, limits.counted);
        list.complete = list.complete && part.complete;
    }
    if (count == 0) return;
    list.count = std::min(limits.counted, list.count + count);
    list.complete = list.complete && list.count < limits.counted;
    std::vector<size_t> at(sizes.size(), 0);
    while (list.covers.size() < limits.listed) {
        std::vector<uint32_t> cover;
        for (size_t choice = 0; choice < choices.count(); ++choice)
            cover.push_back(choices[choice][at[choice]]);
        for (size_t part = 0; part < parts.size(); ++part) {
            const std::vector<uint32_t>& columns = parts[part].covers[at[choices.count() + part]];
            cover.insert(cover.end(), columns.begin(), columns.end());
        }
        std::sort(cover.begin(), cover.end());
        list.covers.push_back(std::move(cover));
        size_t digit = sizes.size();
        while (digit > 0 && ++at[digit - 1] == sizes[digit - 1]) at[--digit] = 0;
        if (digit == 0) break;
    }
}

}  // namespace analysis
