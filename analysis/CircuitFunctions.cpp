#include "analysis/CircuitFunctions.h"

#include "analysis/CutCircuit.h"
#include "analysis/FunctionTexts.h"

namespace analysis {

std::optional<CircuitFunctions> circuitFunctions(const CCircuit& circuit, std::string& error) {
    CircuitFunctions result{nameCircuit(circuit), {}, 0};
    const CircuitNaming& naming = result.naming;
    const size_t variableCount = naming.variables.size();
    if (variableCount > static_cast<size_t>(kMaxCircuitVariables)) {
        error = texts::tooManyVariables(variableCount, kMaxCircuitVariables);
        return std::nullopt;
    }
    CCutCircuit cut(circuit, naming);
    if (!cut.ready()) {
        error = texts::kNoRoomToCut;
        return std::nullopt;
    }
    const uint32_t rows = uint32_t{1} << variableCount;
    std::vector<std::vector<bool>> tables(naming.functions.size(), std::vector<bool>(rows));
    for (uint32_t row = 0; row < rows; ++row) {
        if (!cut.settleRow(row)) ++result.unsettledRows;
        for (size_t f = 0; f < naming.functions.size(); ++f)
            tables[f][row] = cut.level(naming.functions[f]);
    }
    const std::vector<std::string> names = naming.variableNames();
    for (size_t f = 0; f < naming.functions.size(); ++f)
        result.functions.push_back(
            *BooleanFunction::fromTable(names, tables[f], naming.functions[f].name));
    return result;
}

std::vector<AnalysedFunction> minimiseAll(const CircuitFunctions& functions,
                                          const MinimiserLimits& limits) {
    std::vector<AnalysedFunction> analysed;
    for (const BooleanFunction& function : functions.functions)
        analysed.push_back({function, minimise(function, limits)});
    return analysed;
}

}  // namespace analysis
