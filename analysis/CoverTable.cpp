#include "analysis/CoverTable.h"

#include <algorithm>
#include <numeric>

namespace analysis {
namespace {

constexpr uint32_t kNone = UINT32_MAX;

uint32_t rootOf(std::vector<uint32_t>& parent, uint32_t row) {
    while (parent[row] != row) row = parent[row] = parent[parent[row]];
    return row;
}

// The table cut into parts: each row and column goes to its part, or nowhere when
// kNone. A column's rows must all go to its part or nowhere, and a row's columns
// to its part or nowhere.
std::vector<CoverTable> split(const CoverTable& table, const std::vector<uint32_t>& rowPart,
                              const std::vector<uint32_t>& columnPart, uint32_t partCount) {
    std::vector<CoverTable> parts(partCount);
    std::vector<uint32_t> rowNumber(table.rowCount(), kNone);
    std::vector<uint32_t> rowsOfPart(partCount, 0);
    for (uint32_t row = 0; row < table.rowCount(); ++row) {
        if (rowPart[row] == kNone) continue;
        CoverTable& part = parts[rowPart[row]];
        rowNumber[row] = rowsOfPart[rowPart[row]]++;
        if (!table.weight.empty()) part.weight.push_back(table.weight[row]);
        if (!table.countWeight.empty()) part.countWeight.push_back(table.countWeight[row]);
    }
    std::vector<uint32_t> columnNumber(table.columnCount(), kNone);
    for (uint32_t column = 0; column < table.columnCount(); ++column) {
        if (columnPart[column] == kNone) continue;
        CoverTable& part = parts[columnPart[column]];
        columnNumber[column] = static_cast<uint32_t>(part.cost.size());
        for (const uint32_t row : table.columns[column]) {
            if (rowNumber[row] != kNone) part.columns.add(rowNumber[row]);
        }
        part.columns.finish();
        part.cost.push_back(table.cost[column]);
        part.original.append(table.original[column]);
    }
    for (uint32_t row = 0; row < table.rowCount(); ++row) {
        if (rowPart[row] == kNone) continue;
        CoverTable& part = parts[rowPart[row]];
        for (const uint32_t column : table.rows[row]) {
            if (columnNumber[column] != kNone) part.rows.add(columnNumber[column]);
        }
        part.rows.finish();
    }
    return parts;
}

}  // namespace

CoverTable CoverTable::of(const CoverProblem& problem) {
    CoverTable table;
    for (const std::vector<uint32_t>& columns : problem.rowColumns) table.rows.append(columns);
    table.cost = problem.columnCost;
    table.columns = table.rows.transposed(table.cost.size());
    for (uint32_t column = 0; column < table.cost.size(); ++column) {
        table.original.add(column);
        table.original.finish();
    }
    return table;
}

CoverTable restricted(const CoverTable& table, const std::vector<uint8_t>& rowKept,
                      const std::vector<uint8_t>& columnKept) {
    std::vector<uint32_t> rowPart(table.rowCount(), kNone);
    for (size_t row = 0; row < rowPart.size(); ++row) {
        if (rowKept[row] != 0) rowPart[row] = 0;
    }
    std::vector<uint32_t> columnPart(table.columnCount(), kNone);
    for (size_t column = 0; column < columnPart.size(); ++column) {
        const std::span<const uint32_t> rows = table.columns[column];
        if (columnKept[column] != 0 &&
            std::any_of(rows.begin(), rows.end(), [&](uint32_t row) { return rowKept[row] != 0; }))
            columnPart[column] = 0;
    }
    return std::move(split(table, rowPart, columnPart, 1).front());
}

CoverTable withColumnsTaken(const CoverTable& table, std::span<const uint32_t> columns) {
    std::vector<uint8_t> rowKept(table.rowCount(), 1);
    std::vector<uint8_t> columnKept(table.columnCount(), 1);
    for (const uint32_t column : columns) {
        columnKept[column] = 0;
        for (const uint32_t row : table.columns[column]) rowKept[row] = 0;
    }
    return restricted(table, rowKept, columnKept);
}

CoverTable withColumnsLeftOut(const CoverTable& table, const std::vector<uint8_t>& leftOut) {
    std::vector<uint8_t> columnKept(table.columnCount());
    for (size_t column = 0; column < columnKept.size(); ++column)
        columnKept[column] = leftOut[column] == 0 ? 1 : 0;
    return restricted(table, std::vector<uint8_t>(table.rowCount(), 1), columnKept);
}

// Rows joined by a shared column fall into one part.
std::vector<CoverTable> independentParts(const CoverTable& table) {
    std::vector<uint32_t> parent(table.rowCount());
    std::iota(parent.begin(), parent.end(), 0);
    for (size_t column = 0; column < table.columnCount(); ++column) {
        const std::span<const uint32_t> rows = table.columns[column];
        for (size_t i = 1; i < rows.size(); ++i)
            parent[rootOf(parent, rows[i])] = rootOf(parent, rows[0]);
    }
    std::vector<uint32_t> partOfRoot(table.rowCount(), kNone);
    std::vector<uint32_t> rowPart(table.rowCount());
    uint32_t partCount = 0;
    for (uint32_t row = 0; row < table.rowCount(); ++row) {
        uint32_t& part = partOfRoot[rootOf(parent, row)];
        if (part == kNone) part = partCount++;
        rowPart[row] = part;
    }
    if (partCount <= 1) return partCount == 0 ? std::vector<CoverTable>{} : std::vector{table};
    std::vector<uint32_t> columnPart(table.columnCount(), kNone);
    for (size_t column = 0; column < columnPart.size(); ++column) {
        const std::span<const uint32_t> rows = table.columns[column];
        if (!rows.empty()) columnPart[column] = rowPart[rows.front()];
    }
    std::vector<CoverTable> parts = split(table, rowPart, columnPart, partCount);
    std::stable_sort(parts.begin(), parts.end(), [](const CoverTable& a, const CoverTable& b) {
        return a.rows.entries() < b.rows.entries();
    });
    return parts;
}

}  // namespace analysis
