#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/NormalForm.h"
#include "model/Geometry.h"
#include "platform/Canvas.h"

namespace analysis {

// A form laid out as the course writes it by hand: a bar over a negated variable,
// conjunction by juxtaposition, disjunction as ∨ (drawn in lines, so that no face
// needs the sign), a CNF's clauses in parentheses. Lines break between terms.
struct FormulaPiece {
    enum class Kind { Text, Bar, Or };
    Kind kind = Kind::Text;
    Point at;  // the top-left corner, from the formula's
    int32_t width = 0;
    std::string text;
    int term = -1;  // the term it belongs to; -1 for the name in front
};

struct FormulaPicture {
    std::vector<FormulaPiece> pieces;
    Size size;
};

// After `prefix` ("F = "), within `maxWidth` where the terms allow.
FormulaPicture formulaPicture(const NormalForm& form, const std::vector<std::string>& variables,
                              const std::string& prefix, int32_t maxWidth);

// Each term in its colour (black past the end of `termColours`), the rest in black.
void drawFormula(platform::Canvas& canvas, const FormulaPicture& formula, Point origin,
                 const std::vector<platform::Rgb>& termColours);

}  // namespace analysis
