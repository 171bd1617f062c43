// Forms in the course's notation and as JSON, the constants included.
#include <gtest/gtest.h>

#include <functional>

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

}  // namespace
