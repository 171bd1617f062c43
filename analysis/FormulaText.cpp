#include "analysis/FormulaText.h"

#include "analysis/AnalysisTexts.h"

namespace analysis {
namespace {

int variableCountOf(const std::vector<std::string>& variables) {
    return static_cast<int>(variables.size());
}

std::string termText(const Cube& term, FormKind kind, const std::vector<std::string>& variables,
                     bool inParentheses) {
    const std::vector<Literal> literals = literalsOf(term, kind, variableCountOf(variables));
    if (literals.empty()) return kind == FormKind::Dnf ? "1" : "0";
    std::string text;
    for (const Literal& literal : literals) {
        if (!text.empty()) text += kind == FormKind::Dnf ? texts::kAnd : texts::kOr;
        text += literalText(literal, variables);
    }
    return inParentheses && literals.size() > 1 ? "(" + text + ")" : text;
}

// Items as a JSON list.
std::string jsonList(const std::vector<std::string>& items) {
    std::string json = "[";
    for (const std::string& item : items) {
        if (json.size() > 1) json += ',';
        json += item;
    }
    return json + "]";
}

}  // namespace

std::string literalText(const Literal& literal, const std::vector<std::string>& variables) {
    const std::string& name = variables[static_cast<size_t>(literal.variable)];
    return literal.negated ? texts::kNot + name : name;
}

std::string formulaText(const NormalForm& form, const std::vector<std::string>& variables) {
    if (form.terms.empty()) return form.kind == FormKind::Dnf ? "0" : "1";
    const bool parentheses = form.kind == FormKind::Cnf && form.terms.size() > 1;
    std::string text;
    for (const Cube& term : form.terms) {
        if (!text.empty()) text += form.kind == FormKind::Dnf ? texts::kOr : texts::kAnd;
        text += termText(term, form.kind, variables, parentheses);
    }
    return text;
}

std::string formJson(const NormalForm& form, const std::vector<std::string>& variables) {
    std::vector<std::string> terms;
    for (const Cube& term : form.terms) {
        std::vector<std::string> literals;
        for (const Literal& literal : literalsOf(term, form.kind, variableCountOf(variables)))
            literals.push_back(jsonString(literalText(literal, variables)));
        terms.push_back(jsonList(literals));
    }
    return jsonList(terms);
}

std::string formsJson(const FormList& forms, const std::vector<std::string>& variables) {
    std::vector<std::string> items;
    for (const NormalForm& form : forms.forms) items.push_back(formJson(form, variables));
    return jsonList(items);
}

std::string jsonString(const std::string& text) {
    static const char* const kHex = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\t':
                json += "\\t";
                break;
            case '\r':
                json += "\\r";
                break;
            default:
                if (byte >= 0x20) {
                    json += c;
                } else {
                    json += "\\u00";
                    json += kHex[byte >> 4];
                    json += kHex[byte & 15];
                }
        }
    }
    return json + '"';
}

}  // namespace analysis
