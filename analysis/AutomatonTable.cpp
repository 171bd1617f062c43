#include "analysis/AutomatonTable.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>
#include <vector>

#include "analysis/AutomatonTexts.h"
#include "analysis/TextFill.h"

namespace analysis {
namespace {

struct TableRow {
    int line = 0;
    std::string state;
    uint32_t input = 0;
    std::string next;
    std::vector<uint8_t> outputs;
};

std::vector<std::string> words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> found;
    for (std::string word; stream >> word;) found.push_back(word);
    return found;
}

// Reads one line; its input count and output count must match the first line's.
std::optional<std::string> readRow(const std::vector<std::string>& columns, TableRow& row,
                                   size_t& inputCount, size_t& outputCount, bool first) {
    if (columns.size() < 3) return texts::kTableShort;
    const std::string& bits = columns[1];
    const bool noInputs = bits == "-";
    if (!noInputs &&
        (bits.size() > kMaxAutomatonInputs || bits.find_first_not_of("01") != std::string::npos))
        return fillPattern(texts::kTableBits, {bits});
    const size_t inputs = noInputs ? 0 : bits.size();
    const size_t outputs = columns.size() - 3;
    if (first) {
        inputCount = inputs;
        outputCount = outputs;
    }
    if (inputs != inputCount)
        return fillPattern(texts::kTableInputCount,
                           {std::to_string(inputs), std::to_string(inputCount)});
    if (outputs != outputCount)
        return fillPattern(texts::kTableOutputCount,
                           {std::to_string(outputs), std::to_string(outputCount)});
    row.state = columns[0];
    row.input = noInputs ? 0 : static_cast<uint32_t>(std::stoul(bits, nullptr, 2));
    row.next = columns[2];
    for (size_t k = 3; k < columns.size(); ++k) {
        const std::string& text = columns[k];
        int number = -1;
        const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (failure != std::errc() || end != text.data() + text.size() || number < 0 || number > 31)
            return fillPattern(texts::kTableNumber, {text});
        row.outputs.push_back(static_cast<uint8_t>(number));
    }
    return std::nullopt;
}

std::string inputText(uint32_t input, size_t inputCount) {
    return inputCount == 0 ? "-" : inputBits(input, inputCount);
}

std::string atLine(int line, const std::string& what) {
    return fillPattern(texts::kTableLine, {std::to_string(line), what});
}

}  // namespace

std::optional<Automaton> parseAutomatonTable(const std::string& text, std::string& error) {
    std::istringstream lines(text);
    std::vector<TableRow> rows;
    size_t inputCount = 0;
    size_t outputCount = 0;
    int number = 0;
    bool header = true;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::vector<std::string> columns = words(line);
        if (columns.empty()) continue;
        if (header) {
            header = false;
            continue;
        }
        TableRow row;
        row.line = number;
        if (const auto wrong = readRow(columns, row, inputCount, outputCount, rows.empty())) {
            error = atLine(number, *wrong);
            return std::nullopt;
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        error = texts::kTableEmpty;
        return std::nullopt;
    }
    Automaton automaton;
    for (size_t i = 0; i < inputCount; ++i)
        automaton.inputNames.push_back("X" + std::to_string(i + 1));
    automaton.outputCount = outputCount;
    std::map<std::string, uint32_t> states;
    for (const TableRow& row : rows) {
        if (!states.emplace(row.state, static_cast<uint32_t>(states.size())).second) continue;
        automaton.states.push_back(row.state);
    }
    if (states.size() > kMaxAutomatonStates) {
        error = fillPattern(texts::kTableTooBig, {std::to_string(kMaxAutomatonInputs),
                                                  std::to_string(kMaxAutomatonStates)});
        return std::nullopt;
    }
    const uint32_t vectors = automaton.vectors();
    std::vector<uint8_t> given(states.size() * vectors, 0);
    automaton.next.assign(given.size(), 0);
    automaton.outputs.assign(given.size() * outputCount, 0);
    for (const TableRow& row : rows) {
        const size_t cell = size_t{states[row.state]} * vectors + row.input;
        const auto next = states.find(row.next);
        if (given[cell] || next == states.end()) {
            error = atLine(row.line,
                           given[cell] ? fillPattern(texts::kTableRepeated,
                                                     {row.state, inputText(row.input, inputCount)})
                                       : fillPattern(texts::kTableUnknownNext, {row.next}));
            return std::nullopt;
        }
        given[cell] = 1;
        automaton.next[cell] = next->second;
        std::copy(row.outputs.begin(), row.outputs.end(),
                  automaton.outputs.begin() + static_cast<std::ptrdiff_t>(cell * outputCount));
    }
    const auto missing = std::find(given.begin(), given.end(), 0);
    if (missing != given.end()) {
        const auto cell = static_cast<size_t>(missing - given.begin());
        error = fillPattern(texts::kTableMissing,
                            {automaton.states[cell / vectors],
                             inputText(static_cast<uint32_t>(cell % vectors), inputCount)});
        return std::nullopt;
    }
    return automaton;
}

}  // namespace analysis
