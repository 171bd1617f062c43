#include "analysis/CircuitFunctions.h"

#include "analysis/FunctionsComputation.h"

namespace analysis {

std::optional<CircuitFunctions> circuitFunctions(const CCircuit& circuit, std::string& error) {
    CFunctionsComputation computation(circuit);
    computation.finishTables();
    if (!computation.functions()) error = computation.error();
    return computation.functions();
}

std::vector<AnalysedFunction> minimiseAll(const CircuitFunctions& functions,
                                          const MinimiserLimits& limits) {
    std::vector<AnalysedFunction> analysed;
    for (const BooleanFunction& function : functions.functions)
        analysed.push_back({function, minimise(function, limits)});
    return analysed;
}

}  // namespace analysis
