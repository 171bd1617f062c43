#include "analysis/BooleanFunction.h"

#include <utility>

namespace analysis {

std::optional<BooleanFunction> BooleanFunction::fromTable(std::vector<std::string> variables,
                                                          const std::vector<bool>& table,
                                                          std::string name) {
    if (variables.size() > static_cast<size_t>(kMaxVariables)) return std::nullopt;
    if (table.size() != size_t{1} << variables.size()) return std::nullopt;
    BooleanFunction function;
    function.name_ = std::move(name);
    function.variables_ = std::move(variables);
    function.values_.assign(table.begin(), table.end());
    return function;
}

std::vector<uint32_t> BooleanFunction::rowsWith(bool value) const {
    std::vector<uint32_t> rows;
    for (uint32_t row = 0; row < rowCount(); ++row) {
        if (this->value(row) == value) rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> defaultVariableNames(int count) {
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n) names.push_back("X" + std::to_string(n));
    return names;
}

}  // namespace analysis
