// Forms in the course's notation and as JSON, the constants included.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "analysis/FormulaPicture.h"
#include "analysis/FormulaText.h"

namespace {

using analysis::BooleanFunction;

struct Case {
    const char* what;
    int variables;
    std::function<bool(uint32_t)> rule;
    const char* dnf;
    const char* cnf;
    const char* dnfJson;
    const char* cnfJson;
};

TEST(FormulaText, FormsReadAsTheCourseWritesThem) {
    const Case cases[] = {
        {"exclusive or", 2, [](uint32_t r) { return r == 1 || r == 2; }, "¬X1·X2 ∨ X1·¬X2",
         "(X1 ∨ X2)·(¬X1 ∨ ¬X2)", R"([[["¬X1","X2"],["X1","¬X2"]]])",
         R"([[["X1","X2"],["¬X1","¬X2"]]])"},
        {"one clause", 2, [](uint32_t r) { return r != 1; }, "X1 ∨ ¬X2", "X1 ∨ ¬X2",
         R"([[["X1"],["¬X2"]]])", R"([[["X1","¬X2"]]])"},
        {"a clause of one literal", 3, [](uint32_t r) { return r >= 5; }, "X1·X2 ∨ X1·X3",
         "X1·(X2 ∨ X3)", R"([[["X1","X2"],["X1","X3"]]])", R"([[["X1"],["X2","X3"]]])"},
        {"constant 0", 2, [](uint32_t) { return false; }, "0", "0", "[[]]", "[[[]]]"},
        {"constant 1", 2, [](uint32_t) { return true; }, "1", "1", "[[[]]]", "[[]]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<bool> table(size_t{1} << c.variables);
        for (uint32_t row = 0; row < table.size(); ++row) table[row] = c.rule(row);
        const auto f =
            *BooleanFunction::fromTable(analysis::defaultVariableNames(c.variables), table);
        const analysis::Minimisation forms = analysis::minimise(f);
        EXPECT_EQ(analysis::formulaText(forms.dnf.forms.front(), f.variables()), c.dnf);
        EXPECT_EQ(analysis::formulaText(forms.cnf.forms.front(), f.variables()), c.cnf);
        EXPECT_EQ(analysis::formsJson(forms.dnf, f.variables()), c.dnfJson);
        EXPECT_EQ(analysis::formsJson(forms.cnf, f.variables()), c.cnfJson);
    }
    EXPECT_EQ(analysis::jsonString("a\"b\\c\nd\x01"), R"("a\"b\\c\nd\u0001")");
}

// A long form breaks between terms to stay within the width it is given, and its
// size, known before drawing, holds every piece: a bar for each negated literal, a
// sign between literals of a clause and between terms.
TEST(FormulaPicture, LongFormsBreakBetweenTermsWithinTheirSize) {
    std::vector<bool> table(64);
    for (uint32_t row = 0; row < table.size(); ++row) table[row] = (row * 37 + row / 5) % 3 == 0;
    const auto f = *BooleanFunction::fromTable(analysis::defaultVariableNames(6), table);
    for (const analysis::FormList& forms : {analysis::minimise(f).dnf, analysis::minimise(f).cnf}) {
        const analysis::NormalForm& form = forms.forms.front();
        constexpr int32_t kWidth = 300;
        const analysis::FormulaPicture picture =
            analysis::formulaPicture(form, f.variables(), "F = ", kWidth);
        int bars = 0, signs = 0, negated = 0, literals = 0;
        std::set<int32_t> lines;
        for (const analysis::FormulaPiece& piece : picture.pieces) {
            EXPECT_GE(piece.at.x, 0);
            EXPECT_LE(piece.at.x + piece.width, std::min(picture.size.width, kWidth));
            EXPECT_LT(piece.at.y, picture.size.height);
            bars += piece.kind == analysis::FormulaPiece::Kind::Bar;
            signs += piece.kind == analysis::FormulaPiece::Kind::Or;
            if (piece.kind == analysis::FormulaPiece::Kind::Text) lines.insert(piece.at.y);
        }
        for (const analysis::Cube& term : form.terms) {
            for (const analysis::Literal& literal :
                 analysis::literalsOf(term, form.kind, f.variableCount())) {
                negated += literal.negated;
                ++literals;
            }
        }
        EXPECT_EQ(bars, negated);
        const int terms = static_cast<int>(form.terms.size());
        EXPECT_EQ(signs, form.kind == analysis::FormKind::Dnf ? terms - 1 : literals - terms);
        EXPECT_GT(lines.size(), 1u) << "a form of " << terms << " terms on one line";
    }
}

}  // namespace
