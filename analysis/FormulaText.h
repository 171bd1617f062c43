#pragma once
#include <string>
#include <vector>

#include "analysis/Minimiser.h"
#include "analysis/NormalForm.h"

namespace analysis {

// A form in the course's notation: "¬X1·X2 ∨ X1·¬X2" or "(X1 ∨ X2)·(¬X1 ∨ ¬X2)";
// a clause of one literal, or the only clause, goes without parentheses; the
// constants are "0" and "1".
std::string formulaText(const NormalForm& form, const std::vector<std::string>& variables);

// A literal as text: "X1" or "¬X1".
std::string literalText(const Literal& literal, const std::vector<std::string>& variables);

// A form as JSON: a list of terms, each a list of literals, [["¬X1","X2"],["X1","¬X2"]]
// (see NormalForm for the constants).
std::string formJson(const NormalForm& form, const std::vector<std::string>& variables);
// All forms of the list as a JSON list of forms.
std::string formsJson(const FormList& forms, const std::vector<std::string>& variables);

// A JSON string: UTF-8 as it is, quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& text);

}  // namespace analysis
