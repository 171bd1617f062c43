#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "CommandRunner.h"

namespace fs = std::filesystem;

namespace {

using Row = std::map<std::string, int>;

fs::path example(const std::string& name) {
    return fs::path(LOTRA_SOURCE_DIR) / "res" / "examples" / name;
}

std::vector<std::string> tabFields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}

// The rows of `lotra-sim --truth-table`, each cell under its column's name.
std::vector<Row> truthTableOf(const std::string& file) {
    const CCommandRunner runner;
    const CCommandRunner::Outcome outcome = runner.lotraSim({"--truth-table", example(file)});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    std::istringstream lines(outcome.out);
    std::string line;
    std::getline(lines, line);
    const std::vector<std::string> header = tabFields(line);
    std::vector<Row> rows;
    while (std::getline(lines, line)) {
        const std::vector<std::string> cells = tabFields(line);
        EXPECT_EQ(cells.size(), header.size()) << line;
        Row row;
        for (size_t i = 0; i < cells.size() && i < header.size(); ++i)
            row[header[i]] = std::stoi(cells[i]);
        rows.push_back(row);
    }
    return rows;
}

// Rows count in binary with the first input signal as the most significant bit.
void expectCountingInputs(const std::vector<Row>& rows, const std::vector<std::string>& inputs) {
    ASSERT_EQ(rows.size(), size_t{1} << inputs.size());
    for (size_t n = 0; n < rows.size(); ++n)
        for (size_t i = 0; i < inputs.size(); ++i)
            EXPECT_EQ(rows[n].at(inputs[i]), (n >> (inputs.size() - 1 - i)) & 1)
                << "row " << n << " input " << inputs[i];
}

TEST(CourseArithmetic, HalfAdderAddsTwoBits) {
    const std::vector<Row> rows = truthTableOf("half-adder.vrt");
    expectCountingInputs(rows, {"B0", "B1"});
    for (const Row& row : rows) {
        const int a = row.at("B0"), b = row.at("B1");
        EXPECT_EQ(row.at("L3.9"), a ^ b) << "sum";
        EXPECT_EQ(row.at("L2.9"), a & b) << "carry";
        EXPECT_EQ(row.at("L4"), a + b) << "the indicator shows the sum as a number";
    }
}

TEST(CourseArithmetic, FullAdderAddsThreeBits) {
    const std::vector<Row> rows = truthTableOf("full-adder.vrt");
    expectCountingInputs(rows, {"B0", "B1", "B2"});
    for (const Row& row : rows) {
        const int a = row.at("B0"), carryIn = row.at("B1"), b = row.at("B2");
        const int total = a + b + carryIn;
        EXPECT_EQ(row.at("B3.9"), total % 2);
        EXPECT_EQ(row.at("B3.10"), total / 2);
        EXPECT_EQ(row.at("L0"), total);
    }
}

TEST(CourseArithmetic, MultiplexerPassesTheSelectedInput) {
    const std::vector<Row> rows = truthTableOf("multiplexer.vrt");
    expectCountingInputs(rows, {"B0", "B1", "B2"});
    for (const Row& row : rows) {
        const int d0 = row.at("B0"), select = row.at("B1"), d1 = row.at("B2");
        EXPECT_EQ(row.at("L3.9"), select ? d1 : d0);
        EXPECT_EQ(row.at("L0.9"), 1 - select) << "the inverter";
    }
}

TEST(CourseArithmetic, IndicatorWeighsItsFiveInputs) {
    const std::vector<Row> rows = truthTableOf("indicator-5bit.vrt");
    expectCountingInputs(rows, {"B0", "B1", "B2", "B3", "B4"});
    for (const Row& row : rows) {
        int expected = 0;
        for (int pin = 0; pin < 5; ++pin) expected += row.at("B" + std::to_string(pin)) << pin;
        EXPECT_EQ(row.at("L0"), expected);
    }
    const CCommandRunner runner;
    const auto levels = runner.lotraSim({example("indicator-5bit.vrt")});
    EXPECT_EQ(levels.out.substr(0, levels.out.find('\n')),
              "L0 Indicator 0=1 1=0 2=1 3=1 4=0 shows=13");
}

}  // namespace
