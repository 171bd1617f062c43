#include "tools/lotra-sim/TruthTable.h"

#include <cstdint>
#include <vector>

#include "analysis/Probes.h"
#include "io/CircuitFile.h"
#include "tools/lotra-sim/Behaviour.h"
#include "tools/lotra-sim/Report.h"

namespace lotrasim {

using analysis::circuitProbes;
using analysis::Probe;
using analysis::probeValue;
namespace {

struct Columns {
    std::vector<Probe> inputs;
    std::vector<Probe> indicators;
    std::vector<Probe> outputs;
};

Columns tableColumns(const CCircuit& circuit) {
    Columns columns;
    for (const Probe& probe : circuitProbes(circuit)) {
        const OutputRule rule = kindInfo(probe.kind).outputRule;
        if (rule == OutputRule::User) {
            columns.inputs.push_back(probe);
        } else if (probe.isIndicator()) {
            columns.indicators.push_back(probe);
        } else if (isEvaluated(rule)) {
            columns.outputs.push_back(probe);
        }
    }
    return columns;
}

std::string cellText(const CCircuit& circuit, const Probe& probe) {
    const int value = probeValue(circuit, probe);
    return probe.isIndicator() ? indicatorText(value) : std::to_string(value);
}

void printRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << cells[i];
    out << '\n';
}

// Every row runs on a fresh copy: trigger states and levels from the file are
// where each combination starts, not what the previous row left.
std::vector<std::string> rowFor(const std::vector<uint8_t>& fileBytes, const Columns& columns,
                                uint32_t combination) {
    std::vector<int32_t> inputSlots;
    for (const Probe& probe : columns.inputs) inputSlots.push_back(probe.slot);
    CCircuit row;
    poweredCombination(fileBytes, inputSlots, combination, row);
    std::vector<std::string> cells;
    for (const auto* group : {&columns.inputs, &columns.indicators, &columns.outputs})
        for (const Probe& probe : *group) cells.push_back(cellText(row, probe));
    return cells;
}

}  // namespace

bool printTruthTable(const CCircuit& circuit, std::ostream& out, std::string& error) {
    const Columns columns = tableColumns(circuit);
    if (columns.inputs.size() > kTruthTableInputLimit) {
        error = "the circuit has " + std::to_string(columns.inputs.size()) +
                " input signals; a truth table takes at most " +
                std::to_string(kTruthTableInputLimit);
        return false;
    }
    std::vector<std::string> header;
    for (const Probe& probe : columns.inputs) header.push_back('B' + std::to_string(probe.slot));
    for (const auto* group : {&columns.indicators, &columns.outputs})
        for (const Probe& probe : *group) header.push_back(probe.shortName());
    printRow(out, header);
    const std::vector<uint8_t> fileBytes = io::encodeCircuit(circuit);
    const uint32_t rows = 1u << columns.inputs.size();
    for (uint32_t combination = 0; combination < rows; ++combination)
        printRow(out, rowFor(fileBytes, columns, combination));
    return true;
}

}  // namespace lotrasim
