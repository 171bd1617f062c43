#include "analysis/KarnaughLayout.h"

#include <algorithm>

namespace analysis {
namespace {

// Positions along a side in Gray-code order: position p holds the values p ^ (p >> 1).
uint32_t grayCode(uint32_t position) {
    return position ^ (position >> 1);
}

std::string bitsText(uint32_t value, size_t width) {
    std::string text;
    for (size_t bit = width; bit-- > 0;) text += (value >> bit & 1) != 0 ? '1' : '0';
    return text;
}

// The values of some variables in a truth-table row, the first of them the most
// significant bit.
uint32_t valuesOf(uint32_t row, const std::vector<int>& variables, int variableCount) {
    uint32_t value = 0;
    for (const int variable : variables)
        value = value << 1 | ((row & variableBit(variable, variableCount)) != 0 ? 1 : 0);
    return value;
}

int positionOf(uint32_t value, size_t width) {
    for (uint32_t position = 0; position < (1u << width); ++position) {
        if (grayCode(position) == value) return static_cast<int>(position);
    }
    return 0;
}

std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n < to; ++n) numbers.push_back(n);
    return numbers;
}

std::string namesOf(const std::vector<int>& variables, const std::vector<std::string>& names) {
    std::string text;
    for (const int variable : variables) text += names[static_cast<size_t>(variable)];
    return text;
}

// Whether a cube holds rows with these values of the variables.
bool reaches(const Cube& cube, const std::vector<int>& variables, uint32_t value, int n) {
    uint32_t row = 0, mask = 0;
    for (size_t v = 0; v < variables.size(); ++v) {
        const uint32_t bit = variableBit(variables[v], n);
        mask |= bit;
        if ((value >> (variables.size() - 1 - v) & 1) != 0) row |= bit;
    }
    return ((row ^ cube.bits) & cube.care & mask) == 0;
}

// Which variables go where, by the number of variables. The maps stand in one row,
// in Gray-code order of their variables like the cells.
void assignVariables(KarnaughLayout& layout, int n) {
    const int mapVariables = n > 4 ? n - 4 : 0;
    layout.mapVariables = range(0, mapVariables);
    const int rowVariables = n == 2 || n == 3 ? 1 : 2;
    layout.rowVariables = range(mapVariables, mapVariables + rowVariables);
    layout.columnVariables = range(mapVariables + rowVariables, n);
    layout.maps = 1 << layout.mapVariables.size();
    layout.rows = 1 << layout.rowVariables.size();
    layout.columns = 1 << layout.columnVariables.size();
    for (uint32_t p = 0; p < static_cast<uint32_t>(layout.rows); ++p)
        layout.rowLabels.push_back(bitsText(grayCode(p), layout.rowVariables.size()));
    for (uint32_t p = 0; p < static_cast<uint32_t>(layout.columns); ++p)
        layout.columnLabels.push_back(bitsText(grayCode(p), layout.columnVariables.size()));
}

void labelMaps(KarnaughLayout& layout, const std::vector<int>& mapVariables) {
    const int maps = layout.maps;
    if (maps == 1) return;
    const std::string names = namesOf(mapVariables, layout.variables);
    for (uint32_t map = 0; map < static_cast<uint32_t>(maps); ++map)
        layout.mapLabels.push_back(names + " = " + bitsText(grayCode(map), mapVariables.size()));
}

// A cube's stretch along one side: the positions whose values it allows, as one run,
// or as two runs open towards the edges when it wraps round them.
struct Run {
    int from = 0;
    int to = 0;
    bool openStart = false;
    bool openEnd = false;
};

std::vector<Run> runsOf(const Cube& cube, const std::vector<int>& variables, int n) {
    const int length = 1 << variables.size();
    std::vector<bool> allowed(static_cast<size_t>(length));
    for (int p = 0; p < length; ++p)
        allowed[static_cast<size_t>(p)] =
            reaches(cube, variables, grayCode(static_cast<uint32_t>(p)), n);
    auto at = [&](int p) { return allowed[static_cast<size_t>(p)]; };
    if (std::count(allowed.begin(), allowed.end(), true) == length) return {{0, length}};
    if (at(0) && at(length - 1)) {
        int end = 0, start = length;
        while (at(end)) ++end;
        while (at(start - 1)) --start;
        return {{0, end, true, false}, {start, length, false, true}};
    }
    int from = 0;
    while (!at(from)) ++from;
    int to = from;
    while (to < length && at(to)) ++to;
    return {{from, to}};
}

KarnaughLoop loopOf(const Cube& cube, const KarnaughLayout& layout) {
    const int n = static_cast<int>(layout.variables.size());
    KarnaughLoop loop;
    for (int map = 0; map < layout.maps; ++map) {
        if (!reaches(cube, layout.mapVariables, grayCode(static_cast<uint32_t>(map)), n)) continue;
        for (const Run& rows : runsOf(cube, layout.rowVariables, n)) {
            for (const Run& columns : runsOf(cube, layout.columnVariables, n)) {
                loop.pieces.push_back({map, rows.from, columns.from, rows.to, columns.to,
                                       rows.openStart, rows.openEnd, columns.openStart,
                                       columns.openEnd});
            }
        }
    }
    return loop;
}

}  // namespace

std::optional<KarnaughLayout> karnaughLayout(const BooleanFunction& function) {
    const int n = function.variableCount();
    if (n < kKarnaughMinVariables || n > kKarnaughMaxVariables) return std::nullopt;
    KarnaughLayout layout;
    layout.name = function.name();
    layout.variables = function.variables();
    assignVariables(layout, n);
    const std::vector<int>& mapVariables = layout.mapVariables;
    labelMaps(layout, mapVariables);
    for (uint32_t row = 0; row < function.rowCount(); ++row) {
        layout.cells.push_back(
            {positionOf(valuesOf(row, mapVariables, n), mapVariables.size()),
             positionOf(valuesOf(row, layout.rowVariables, n), layout.rowVariables.size()),
             positionOf(valuesOf(row, layout.columnVariables, n), layout.columnVariables.size())});
        layout.values.push_back(function.value(row));
    }
    return layout;
}

std::optional<KarnaughLayout> karnaughLayout(const BooleanFunction& function, const FormList& forms,
                                             size_t form) {
    std::optional<KarnaughLayout> layout = karnaughLayout(function);
    if (!layout || form >= forms.forms.size()) return layout;
    layout->form = forms.forms[form];
    layout->formMinimal = forms.minimal;
    for (const Cube& term : layout->form->terms) layout->loops.push_back(loopOf(term, *layout));
    return layout;
}

}  // namespace analysis
