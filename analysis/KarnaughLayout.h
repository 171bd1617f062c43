#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/BooleanFunction.h"
#include "analysis/Minimiser.h"
#include "analysis/NormalForm.h"

namespace analysis {

// The Karnaugh map of a function of 2 to 6 variables as textbooks draw it: rows and
// columns in Gray-code order, so that neighbouring cells (the edges wrapping round)
// differ in one variable. 2 variables: X1 by row, X2 by column; 3: X1 by row, X2X3 by
// column; 4: X1X2 by row, X3X4 by column; 5: two 4x4 maps side by side for X1 = 0
// and 1; 6: four 4x4 maps side by side for X1X2 = 00, 01, 11, 10, so that
// neighbouring maps too differ in one variable; each map with the other variables
// as for 4.
inline constexpr int kKarnaughMinVariables = 2;
inline constexpr int kKarnaughMaxVariables = 6;

// Where a truth-table row sits; cells are counted from the top-left of their map.
struct KarnaughCell {
    int map = 0;  // counted from the left
    int row = 0;
    int column = 0;
    friend bool operator==(const KarnaughCell&, const KarnaughCell&) = default;
};

// One rectangle of a loop in cells of one map, bottom and right exclusive. A loop
// that wraps round an edge is cut there into pieces that stay open towards it.
struct KarnaughPiece {
    int map = 0;
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    bool openTop = false;
    bool openBottom = false;
    bool openLeft = false;
    bool openRight = false;
    friend bool operator==(const KarnaughPiece&, const KarnaughPiece&) = default;
};

// The loop of one term of the form: around its ones for a DNF, its zeros for a CNF.
struct KarnaughLoop {
    std::vector<KarnaughPiece> pieces;
};

struct KarnaughLayout {
    std::string name;
    std::vector<std::string> variables;
    int maps = 1;  // side by side
    int rows = 0;  // of each map
    int columns = 0;
    // Variables by number (0 the first), most significant first.
    std::vector<int> mapVariables;
    std::vector<int> rowVariables;
    std::vector<int> columnVariables;
    // "00", "01", "11", "10": the values of the row and column variables in order.
    std::vector<std::string> rowLabels;
    std::vector<std::string> columnLabels;
    // Each map's values of its map variables ("X1 = 0", "X1X2 = 11"); empty for one map.
    std::vector<std::string> mapLabels;
    std::vector<KarnaughCell> cells;  // by truth-table row
    std::vector<bool> values;         // by truth-table row
    // The form the loops show, one loop per term, and whether it is a minimal one.
    std::optional<NormalForm> form;
    bool formMinimal = true;
    std::vector<KarnaughLoop> loops;
};

// Nothing for fewer than 2 or more than 6 variables.
std::optional<KarnaughLayout> karnaughLayout(const BooleanFunction& function);
// With the loops of one of the forms (a DNF's around ones, a CNF's around zeros).
std::optional<KarnaughLayout> karnaughLayout(const BooleanFunction& function, const FormList& forms,
                                             size_t form = 0);

}  // namespace analysis
