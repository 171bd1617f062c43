#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/CircuitFunctions.h"
#include "analysis/CutCircuit.h"

namespace analysis {

// The work of circuitFunctions and minimiseAll cut into small pieces, for a
// user interface that has only one thread and must go on between them: each step
// settles a few rows of the table, or finds one function's DNFs or CNFs. The
// circuit is copied when the computation starts, so it may change meanwhile.
class CFunctionsComputation {
  public:
    // Rows of the table one step settles.
    static constexpr uint32_t kRowsPerStep = 128;

    explicit CFunctionsComputation(const CCircuit& circuit, const MinimiserLimits& limits = {});
    ~CFunctionsComputation();
    CFunctionsComputation(const CFunctionsComputation&) = delete;
    CFunctionsComputation& operator=(const CFunctionsComputation&) = delete;

    // Does the next piece of the work; false once there is none left.
    bool step();
    // Settles every row that is left, without minimising.
    void finishTables();
    bool done() const { return phase_ == Phase::Done; }
    // Nothing when the circuit cannot be worked out: the reason is in error().
    const std::optional<CircuitFunctions>& functions() const { return functions_; }
    const std::string& error() const { return error_; }
    // The functions minimised so far, in order; all of them once done.
    const std::vector<AnalysedFunction>& analysed() const { return analysed_; }

  private:
    enum class Phase { Rows, Dnf, Cnf, Done };

    void settleRows(uint32_t count);
    void closeTables();
    void minimiseNext();

    MinimiserLimits limits_;
    Phase phase_ = Phase::Done;
    std::optional<CircuitFunctions> functions_;
    std::string error_;
    std::unique_ptr<CCutCircuit> cut_;
    std::vector<std::vector<bool>> tables_;
    uint32_t nextRow_ = 0;
    std::vector<AnalysedFunction> analysed_;
    size_t nextFunction_ = 0;
};

}  // namespace analysis
