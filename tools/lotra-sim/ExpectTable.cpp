#include "tools/lotra-sim/ExpectTable.h"

#include <bit>
#include <sstream>
#include <vector>

#include "tools/lotra-sim/TruthTable.h"

namespace lotrasim {
namespace {

constexpr unsigned long kLargestNumber = 31;

struct Line {
    size_t number = 0;
    std::vector<std::string> cells;
};

// The lines that hold anything, split into cells.
std::vector<Line> tableLines(const std::string& text) {
    std::vector<Line> lines;
    std::istringstream in(text);
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        std::istringstream cells(line);
        Line split{number, {}};
        for (std::string cell; cells >> cell;) split.cells.push_back(cell);
        if (!split.cells.empty()) lines.push_back(std::move(split));
    }
    return lines;
}

std::optional<uint8_t> indicatorCell(const std::string& cell) {
    if (cell.empty() || cell.size() > 2 ||
        cell.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long value = std::stoul(cell);
    if (value > kLargestNumber) return std::nullopt;
    return static_cast<uint8_t>(value);
}

std::string atLine(const Line& line) {
    return "line " + std::to_string(line.number) + ": ";
}

// Puts one row into the behaviour; false with the reason when it does not fit.
bool takeRow(const Line& row, const std::vector<size_t>& indicatorColumns,
             const std::vector<std::string>& header, std::vector<size_t>& rowOfCombination,
             Behaviour& behaviour, std::string& error) {
    if (row.cells.size() != header.size()) {
        error = atLine(row) + std::to_string(row.cells.size()) + " cells, but the header has " +
                std::to_string(header.size());
        return false;
    }
    uint32_t combination = 0;
    for (size_t i = 0; i < behaviour.inputCount; ++i) {
        if (row.cells[i] != "0" && row.cells[i] != "1") {
            error = atLine(row) + "input " + header[i] + " is '" + row.cells[i] + "', not 0 or 1";
            return false;
        }
        combination = combination << 1 | (row.cells[i] == "1" ? 1u : 0u);
    }
    if (rowOfCombination[combination] != 0) {
        error = atLine(row) + "the same inputs as line " +
                std::to_string(rowOfCombination[combination]);
        return false;
    }
    rowOfCombination[combination] = row.number;
    for (size_t k = 0; k < indicatorColumns.size(); ++k) {
        const size_t column = indicatorColumns[k];
        const std::optional<uint8_t> number = indicatorCell(row.cells[column]);
        if (!number) {
            error = atLine(row) + header[column] + " is '" + row.cells[column] +
                    "', not an indicator's number from 0 to 31";
            return false;
        }
        behaviour.numbers[combination * indicatorColumns.size() + k] = *number;
    }
    return true;
}

}  // namespace

std::optional<Behaviour> parseExpectTable(const std::string& text, std::string& error) {
    const std::vector<Line> lines = tableLines(text);
    if (lines.size() < 2) {
        error = "a header line and one line per combination of the inputs are needed";
        return std::nullopt;
    }
    const size_t rows = lines.size() - 1;
    const std::vector<std::string>& header = lines[0].cells;
    const auto inputCount = static_cast<size_t>(std::countr_zero(rows));
    if (!std::has_single_bit(rows) || inputCount > kTruthTableInputLimit ||
        inputCount > header.size()) {
        error = std::to_string(rows) +
                " lines under the header, but a table of n inputs has 2 to the power n";
        return std::nullopt;
    }
    std::vector<size_t> indicatorColumns;
    for (size_t column = inputCount; column < header.size(); ++column)
        if (header[column].find('.') == std::string::npos) indicatorColumns.push_back(column);
    if (indicatorColumns.empty()) {
        error = "no indicator's column after the " + std::to_string(inputCount) + " inputs";
        return std::nullopt;
    }

    Behaviour behaviour{inputCount, indicatorColumns.size(), 1, {}};
    behaviour.numbers.resize(rows * indicatorColumns.size());
    std::vector<size_t> rowOfCombination(rows, 0);
    for (size_t at = 1; at < lines.size(); ++at)
        if (!takeRow(lines[at], indicatorColumns, header, rowOfCombination, behaviour, error))
            return std::nullopt;
    return behaviour;
}

}  // namespace lotrasim
