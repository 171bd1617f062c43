#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace analysis {

// A Boolean function given by its truth table. Row r sets the variables to the bits
// of r, the first variable being the most significant bit, so the table reads in the
// usual binary order (000, 001, 010, ...).
class BooleanFunction {
  public:
    static constexpr int kMaxVariables = 16;

    // Nothing when there are more than kMaxVariables names or the table does not
    // have 2^n rows.
    static std::optional<BooleanFunction> fromTable(std::vector<std::string> variables,
                                                    const std::vector<bool>& table,
                                                    std::string name = "F");

    const std::string& name() const { return name_; }
    const std::vector<std::string>& variables() const { return variables_; }
    int variableCount() const { return static_cast<int>(variables_.size()); }
    uint32_t rowCount() const { return static_cast<uint32_t>(values_.size()); }
    bool value(uint32_t row) const { return values_[row] != 0; }
    // The rows where the function takes the value, in ascending order.
    std::vector<uint32_t> rowsWith(bool value) const;

  private:
    BooleanFunction() = default;

    std::string name_;
    std::vector<std::string> variables_;
    std::vector<uint8_t> values_;
};

// "X1", "X2", ... "Xn": the names of the variables when the circuit gives none.
std::vector<std::string> defaultVariableNames(int count);

// The bit of a row that holds a variable (0 is the first variable).
inline uint32_t variableBit(int variable, int variableCount) {
    return uint32_t{1} << (variableCount - 1 - variable);
}

}  // namespace analysis
