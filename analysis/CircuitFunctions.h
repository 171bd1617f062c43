#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/BooleanFunction.h"
#include "analysis/CircuitNaming.h"
#include "analysis/Minimiser.h"
#include "model/Circuit.h"

namespace analysis {

// Tables of more variables than this are not worked out: 2^16 settles is about
// as much as a window may wait for.
inline constexpr int kMaxCircuitVariables = BooleanFunction::kMaxVariables;

// Every function of a circuit as its own settle computes it (see CutCircuit.h),
// in the order and with the names of its naming.
struct CircuitFunctions {
    CircuitNaming naming;
    std::vector<BooleanFunction> functions;  // by naming.functions
    // Rows whose settle stopped at the pass bound (a loop through summers alone can
    // run round for ever); their values are those of the last pass.
    uint32_t unsettledRows = 0;
};

// Nothing, with the reason in Russian in `error`, when the circuit has more than
// kMaxCircuitVariables variables or no room to cut its gates.
std::optional<CircuitFunctions> circuitFunctions(const CCircuit& circuit, std::string& error);

// A function and its minimal forms.
struct AnalysedFunction {
    BooleanFunction function;
    Minimisation forms;
};

std::vector<AnalysedFunction> minimiseAll(const CircuitFunctions& functions,
                                          const MinimiserLimits& limits = {});

}  // namespace analysis
