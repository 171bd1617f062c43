#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/CircuitFunctions.h"

// The functions of a circuit as readable Russian text and as JSON.
namespace analysis {

// What the variables are, in a few lines (only the kinds the circuit has).
std::string variablesText(const CircuitNaming& naming);
// Every function side by side, or only the one numbered `only`, one row per
// combination of the variables in binary order.
std::string truthTableText(const CircuitFunctions& functions,
                           std::optional<size_t> only = std::nullopt);
// One function's minimal DNFs and CNFs, or its constant.
std::string formsText(const AnalysedFunction& analysed);
// All of it: the variables, the table and the forms of every function.
std::string functionsText(const CircuitFunctions& functions,
                          const std::vector<AnalysedFunction>& analysed);
// {"variables": [...], "functions": [{"name", "table", "dnf", "cnf", "exact"}, ...]}.
std::string functionsJson(const CircuitFunctions& functions,
                          const std::vector<AnalysedFunction>& analysed);

}  // namespace analysis
