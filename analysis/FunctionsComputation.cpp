#include "analysis/FunctionsComputation.h"

#include "analysis/FunctionTexts.h"

namespace analysis {

CFunctionsComputation::CFunctionsComputation(const CCircuit& circuit, const MinimiserLimits& limits)
    : limits_(limits), functions_(CircuitFunctions{nameCircuit(circuit), {}, 0}) {
    const CircuitNaming& naming = functions_->naming;
    const size_t variableCount = naming.variables.size();
    if (variableCount > static_cast<size_t>(kMaxCircuitVariables)) {
        error_ = texts::tooManyVariables(variableCount, kMaxCircuitVariables);
        functions_.reset();
        return;
    }
    cut_ = std::make_unique<CCutCircuit>(circuit, naming);
    if (!cut_->ready()) {
        error_ = texts::kNoRoomToCut;
        functions_.reset();
        cut_.reset();
        return;
    }
    tables_.assign(naming.functions.size(), std::vector<bool>(uint32_t{1} << variableCount));
    phase_ = Phase::Rows;
}

CFunctionsComputation::~CFunctionsComputation() = default;

bool CFunctionsComputation::step() {
    switch (phase_) {
        case Phase::Rows:
            settleRows(kRowsPerStep);
            break;
        case Phase::Dnf:
        case Phase::Cnf:
            minimiseNext();
            break;
        case Phase::Done:
            return false;
    }
    return !done();
}

void CFunctionsComputation::finishTables() {
    if (phase_ == Phase::Rows) settleRows(uint32_t{1} << functions_->naming.variables.size());
}

void CFunctionsComputation::settleRows(uint32_t count) {
    const CircuitNaming& naming = functions_->naming;
    const uint32_t rows = uint32_t{1} << naming.variables.size();
    const uint32_t end = rows - nextRow_ < count ? rows : nextRow_ + count;
    for (; nextRow_ < end; ++nextRow_) {
        if (!cut_->settleRow(nextRow_)) ++functions_->unsettledRows;
        for (size_t f = 0; f < naming.functions.size(); ++f)
            tables_[f][nextRow_] = cut_->level(naming.functions[f]);
    }
    if (nextRow_ == rows) closeTables();
}

void CFunctionsComputation::closeTables() {
    const CircuitNaming& naming = functions_->naming;
    const std::vector<std::string> names = naming.variableNames();
    for (size_t f = 0; f < naming.functions.size(); ++f)
        functions_->functions.push_back(
            *BooleanFunction::fromTable(names, tables_[f], naming.functions[f].name));
    tables_.clear();
    cut_.reset();
    phase_ = functions_->functions.empty() ? Phase::Done : Phase::Dnf;
}

// A function's DNFs one step, its CNFs the next.
void CFunctionsComputation::minimiseNext() {
    const BooleanFunction& function = functions_->functions[nextFunction_];
    if (phase_ == Phase::Dnf) {
        analysed_.push_back({function, {minimalForms(function, FormKind::Dnf, limits_), {}}});
        phase_ = Phase::Cnf;
        return;
    }
    analysed_.back().forms.cnf = minimalForms(function, FormKind::Cnf, limits_);
    ++nextFunction_;
    phase_ = nextFunction_ < functions_->functions.size() ? Phase::Dnf : Phase::Done;
}

}  // namespace analysis
