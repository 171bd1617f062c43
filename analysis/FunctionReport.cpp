#include "analysis/FunctionReport.h"

#include <algorithm>

#include "analysis/AnalysisTexts.h"
#include "analysis/FormulaText.h"
#include "analysis/FunctionTexts.h"
#include "analysis/TextLength.h"

namespace analysis {
namespace {

// The value right under the end of its column's name.
std::string cell(char value, const std::string& name) {
    return std::string(characterCount(name) - 1, ' ') + value;
}

bool isConstant(const BooleanFunction& function) {
    for (uint32_t row = 1; row < function.rowCount(); ++row)
        if (function.value(row) != function.value(0)) return false;
    return true;
}

std::string listText(const FormList& forms, const std::vector<std::string>& variables) {
    const char* kind = forms.kind == FormKind::Dnf ? texts::kDnf : texts::kCnf;
    if (!forms.minimal)
        return std::string("  ") + kind + " (" + texts::kNotNecessarilyMinimal +
               "): " + formulaText(forms.forms.front(), variables) + "\n";
    if (forms.forms.size() == 1 && forms.countExact && forms.count <= 1)
        return std::string("  ") + texts::kMinimalOne + kind + ": " +
               formulaText(forms.forms.front(), variables) + "\n";
    std::string text = std::string("  ") + texts::kMinimalMany + kind + " (" +
                       (forms.countExact ? "" : texts::kAtLeast) + std::to_string(forms.count);
    if (forms.count > forms.forms.size())
        text += std::string(", ") + texts::kListedOnly + std::to_string(forms.forms.size());
    text += "):\n";
    for (const NormalForm& form : forms.forms) text += "    " + formulaText(form, variables) + "\n";
    return text;
}

std::string tableString(const BooleanFunction& function) {
    std::string table;
    for (uint32_t row = 0; row < function.rowCount(); ++row)
        table += function.value(row) ? '1' : '0';
    return table;
}

}  // namespace

std::string variablesText(const CircuitNaming& naming) {
    std::string text = texts::kVariablesHeading;
    for (const CircuitVariable& variable : naming.variables) text += variable.name + " ";
    text.back() = '\n';
    if (naming.variables.empty()) text += "\n";
    if (naming.hasTriggers()) text += std::string(texts::kTriggersNote) + "\n";
    if (naming.hasGateStates()) text += std::string(texts::kGatesNote) + "\n";
    text += std::string(texts::kInputsNote) + "\n";
    const auto has = [&naming](FunctionRole role) {
        return std::any_of(naming.functions.begin(), naming.functions.end(),
                           [role](const CircuitFunctionName& f) { return f.role == role; });
    };
    if (has(FunctionRole::Output)) text += std::string(texts::kOutputsNote) + "\n";
    if (has(FunctionRole::GateOutput)) text += std::string(texts::kFreeOutputsNote) + "\n";
    return text;
}

std::string truthTableText(const CircuitFunctions& functions, std::optional<size_t> only) {
    const CircuitNaming& naming = functions.naming;
    std::string text = std::string(texts::kTableHeading) + "\n";
    std::string header;
    for (const CircuitVariable& variable : naming.variables) header += variable.name + " ";
    header += "|";
    const auto shown = [&only](size_t f) { return !only || *only == f; };
    for (size_t f = 0; f < naming.functions.size(); ++f)
        if (shown(f)) header += " " + naming.functions[f].name;
    text += header + "\n";
    const uint32_t rows = uint32_t{1} << naming.variables.size();
    const size_t count = naming.variables.size();
    for (uint32_t row = 0; row < rows; ++row) {
        std::string line;
        for (size_t v = 0; v < count; ++v)
            line +=
                cell(((row >> (count - 1 - v)) & 1u) ? '1' : '0', naming.variables[v].name) + " ";
        line += "|";
        for (size_t f = 0; f < functions.functions.size(); ++f)
            if (shown(f))
                line += " " + cell(functions.functions[f].value(row) ? '1' : '0',
                                   naming.functions[f].name);
        text += line + "\n";
    }
    return text;
}

std::string formsText(const AnalysedFunction& analysed) {
    const BooleanFunction& function = analysed.function;
    if (isConstant(function))
        return function.name() + " = " + (function.value(0) ? "1" : "0") + texts::kConstant + "\n";
    return function.name() + ":\n" + listText(analysed.forms.dnf, function.variables()) +
           listText(analysed.forms.cnf, function.variables());
}

std::string functionsText(const CircuitFunctions& functions,
                          const std::vector<AnalysedFunction>& analysed) {
    std::string text = variablesText(functions.naming);
    if (functions.functions.empty()) return text + texts::kNoFunctions + "\n";
    if (functions.unsettledRows > 0) text += texts::unsettledRows(functions.unsettledRows) + "\n";
    text += "\n" + truthTableText(functions) + "\n";
    for (const AnalysedFunction& function : analysed) text += formsText(function);
    return text;
}

std::string functionsJson(const CircuitFunctions& functions,
                          const std::vector<AnalysedFunction>& analysed) {
    std::string json = "{\"variables\": [";
    const std::vector<std::string> names = functions.naming.variableNames();
    for (size_t v = 0; v < names.size(); ++v) json += (v ? ", " : "") + jsonString(names[v]);
    json += "], \"functions\": [";
    for (size_t f = 0; f < analysed.size(); ++f) {
        const AnalysedFunction& a = analysed[f];
        json += std::string(f ? ", " : "") + "{\"name\": " + jsonString(a.function.name()) +
                R"(, "table": ")" + tableString(a.function) + R"(", "dnf": )" +
                formsJson(a.forms.dnf, names) + ", \"cnf\": " + formsJson(a.forms.cnf, names) +
                ", \"exact\": " + (a.forms.dnf.minimal && a.forms.cnf.minimal ? "true" : "false") +
                "}";
    }
    return json + "]}\n";
}

}  // namespace analysis
