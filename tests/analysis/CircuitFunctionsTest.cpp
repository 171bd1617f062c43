#include <gtest/gtest.h>

#include <memory>

#include "analysis/CircuitFunctions.h"
#include "analysis/FunctionReport.h"
#include "analysis/FunctionsComputation.h"
#include "sim/RandomCircuit.h"
#include "sim/Simulation.h"
#include "support/CircuitBuilder.h"

namespace {

using analysis::CircuitFunctionName;
using analysis::CircuitFunctions;
using analysis::FunctionRole;
using analysis::VariableRole;

template <typename Table>
void copyRecords(const Table& from, Table& to) {
    using Record = typename Table::value_type::element_type;
    for (size_t slot = 0; slot < from.size(); ++slot)
        to[slot] = from[slot] ? std::make_unique<Record>(*from[slot]) : nullptr;
}

void copyCircuit(const CCircuit& from, CCircuit& to) {
    copyRecords(from.logicElements, to.logicElements);
    copyRecords(from.blockElements, to.blockElements);
    copyRecords(from.wires, to.wires);
}

// The level a function names, read from the pins of the whole circuit as it settled.
bool levelInCircuit(const CCircuit& circuit, const CircuitFunctionName& function) {
    if (function.role == FunctionRole::Output || function.role == FunctionRole::GateOutput)
        return circuit.logicElement(function.slot)->pins[function.pin].value != 0;
    return circuit.blockElement(function.slot)->pins[function.pin].value != 0;
}

// Sets the inputs and trigger states of a row in the whole circuit, uncut, and
// switches the power on; false when a trigger moved or the circuit did not settle,
// as then the row is not what the functions describe.
bool powerOnAtRow(const CircuitFunctions& functions, uint32_t row, CCircuit& circuit) {
    const auto& variables = functions.naming.variables;
    for (size_t v = 0; v < variables.size(); ++v) {
        const auto level = static_cast<uint8_t>((row >> (variables.size() - 1 - v)) & 1u);
        CBlockElement& element = *circuit.blockElement(variables[v].slot);
        element.pins[kOutputPin].value = level;
        if (variables[v].role == VariableRole::TriggerState) {
            element.pins[kSecondOutputPin].value = static_cast<uint8_t>(level ^ 1);
            element.clockArmed = 0;
        }
    }
    if (!sim::switchPowerOn(circuit).settled) return false;
    for (size_t v = 0; v < variables.size(); ++v) {
        const auto level = static_cast<uint8_t>((row >> (variables.size() - 1 - v)) & 1u);
        if (circuit.blockElement(variables[v].slot)->pins[kOutputPin].value != level) return false;
    }
    return true;
}

// On random circuits without latches of gates, every function of every row is the
// level that the uncut circuit settles to from the same inputs and trigger states
// (rows where a trigger's clock falls within the settle are left out).
TEST(CircuitFunctions, AgreeWithTheSettleOfTheWholeCircuit) {
    int circuitsCompared = 0;
    int triggerCircuits = 0;
    size_t valuesCompared = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        CCircuit circuit;
        buildRandomCircuit(circuit, seed);
        const analysis::CircuitNaming naming = analysis::nameCircuit(circuit);
        if (naming.hasGateStates() || naming.variables.size() > 8) continue;
        std::string error;
        const std::optional<CircuitFunctions> functions =
            analysis::circuitFunctions(circuit, error);
        ASSERT_TRUE(functions) << error;
        ++circuitsCompared;
        triggerCircuits += functions->naming.hasTriggers();
        const uint32_t rows = uint32_t{1} << functions->naming.variables.size();
        for (uint32_t row = 0; row < rows; ++row) {
            CCircuit whole;
            copyCircuit(circuit, whole);
            if (!powerOnAtRow(*functions, row, whole)) continue;
            for (size_t f = 0; f < functions->functions.size(); ++f) {
                ASSERT_EQ(functions->functions[f].value(row),
                          levelInCircuit(whole, functions->naming.functions[f]))
                    << "seed " << seed << ", " << functions->naming.functions[f].name << ", row "
                    << row;
                ++valuesCompared;
            }
        }
    }
    EXPECT_GE(circuitsCompared, 100);
    EXPECT_GE(triggerCircuits, 50);
    EXPECT_GE(valuesCompared, 20000u);
}

std::string tableOf(const analysis::BooleanFunction& function) {
    std::string table;
    for (uint32_t row = 0; row < function.rowCount(); ++row)
        table += function.value(row) ? '1' : '0';
    return table;
}

// Two triggers (the second clocked by the first), a latch of two NOR gates set and
// reset by input signals, and an indicator, all placed against their slot order: the
// names follow the reading order, the variables and the functions come in their
// fixed order, and the latch's gates are state variables with their next values.
TEST(CircuitFunctions, NamesFollowTheReadingOrderOfEachKind) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t reset = b.block(EntrSignal, 0, 100);  // X2: lower
    const int32_t set = b.block(EntrSignal, 50, 10);    // X1: higher
    const int32_t right = b.block(Trigger, 300, 40);    // Q2: right of Q1
    const int32_t left = b.block(Trigger, 200, 40);     // Q1
    const int32_t clock = b.block(GTI, 0, 200);
    const int32_t lower = b.gate(false, 2, true, 100, 120);  // G3
    const int32_t upper = b.gate(false, 2, true, 100, 20);   // G2
    const int32_t free = b.gate(false, 2, true, 100, 0);     // the first gate: F1
    const int32_t shown = b.indicator(400, 0);
    b.wire(GTI, clock, 9, Trigger, left, kTriggerClock);
    b.wire(Trigger, left, kTriggerQ, Trigger, right, kTriggerClock);
    const int32_t fromSet = b.wire(EntrSignal, set, 9, LogicElement, upper, 0);
    b.join(b.stub(LogicElement, free, 0, {90, 5}), 1, fromSet);
    const int32_t fromLower = b.wire(LogicElement, lower, 9, LogicElement, upper, 4);
    b.wire(EntrSignal, reset, 9, LogicElement, lower, 4);
    const int32_t fromUpper = b.wire(LogicElement, upper, 9, LogicElement, lower, 0);
    b.join(b.stub(Trigger, right, kTriggerJ, {250, 45}), 1, fromUpper);
    b.wire(Trigger, right, kTriggerQ, Indicator, shown, 2);
    b.join(b.stub(Indicator, shown, 0, {390, 5}), 1, fromLower);

    std::string error;
    const std::optional<CircuitFunctions> functions = analysis::circuitFunctions(circuit, error);
    ASSERT_TRUE(functions) << error;
    const struct {
        const char* name;
        VariableRole role;
        int32_t slot;
    } variables[] = {
        {"Q1", VariableRole::TriggerState, left}, {"Q2", VariableRole::TriggerState, right},
        {"G2", VariableRole::GateState, upper},   {"G3", VariableRole::GateState, lower},
        {"X1", VariableRole::Input, set},         {"X2", VariableRole::Input, reset}};
    ASSERT_EQ(functions->naming.variables.size(), std::size(variables));
    for (size_t v = 0; v < std::size(variables); ++v) {
        EXPECT_EQ(functions->naming.variables[v].name, variables[v].name);
        EXPECT_EQ(functions->naming.variables[v].role, variables[v].role) << variables[v].name;
        EXPECT_EQ(functions->naming.variables[v].slot, variables[v].slot) << variables[v].name;
    }
    // The variables of a row, Q1 Q2 G2 G3 X1 X2 from the most significant bit.
    struct Row {
        bool q1, q2, g1, g2, x1, x2;
    };
    const auto tableFrom = [](bool (*value)(const Row&)) {
        std::string table;
        for (uint32_t r = 0; r < 64; ++r) {
            const auto bit = [r](int n) { return ((r >> (5 - n)) & 1u) != 0; };
            table += value({bit(0), bit(1), bit(2), bit(3), bit(4), bit(5)}) ? '1' : '0';
        }
        return table;
    };
    const struct {
        const char* name;
        bool (*value)(const Row&);
    } expected[] = {
        {"J1", [](const Row&) { return false; }},  // no wire: the reset level
        {"K1", [](const Row&) { return false; }},
        {"J2", [](const Row& r) { return r.g1; }},
        {"K2", [](const Row&) { return false; }},
        {"C2", [](const Row& r) { return r.q1; }},  // clocked by Q1, not by the generator
        {"G2+", [](const Row& r) { return !(r.x1 || r.g2); }},
        {"G3+", [](const Row& r) { return !(r.g1 || r.x2); }},
        {"Y1.1", [](const Row& r) { return r.g2; }},
        {"Y1.4", [](const Row& r) { return r.q2; }},
        {"F1", [](const Row& r) { return !r.x1; }},  // gates off the loop keep their number
    };
    ASSERT_EQ(functions->functions.size(), std::size(expected));
    for (size_t f = 0; f < std::size(expected); ++f) {
        EXPECT_EQ(functions->functions[f].name(), expected[f].name);
        EXPECT_EQ(tableOf(functions->functions[f]), tableFrom(expected[f].value))
            << expected[f].name;
    }
}

// Cut into steps of a few rows or one form each, the work gives what the one-go
// computation gives, in as many steps as its pieces, also when the tables grow past
// one step's rows.
TEST(CircuitFunctions, StepwiseComputationGivesTheSameFunctionsAndForms) {
    int longTables = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        CCircuit circuit;
        buildRandomCircuit(circuit, seed);
        if (analysis::nameCircuit(circuit).variables.size() > 10) continue;
        std::string error;
        const std::optional<CircuitFunctions> whole = analysis::circuitFunctions(circuit, error);
        analysis::CFunctionsComputation stepwise(circuit);
        int steps = 0;
        while (stepwise.step()) ++steps;
        ASSERT_TRUE(stepwise.done());
        ASSERT_EQ(whole.has_value(), stepwise.functions().has_value()) << "seed " << seed;
        if (!whole) {
            EXPECT_EQ(stepwise.error(), error);
            continue;
        }
        const uint32_t rows = uint32_t{1} << whole->naming.variables.size();
        const uint32_t rowSteps = (rows + analysis::CFunctionsComputation::kRowsPerStep - 1) /
                                  analysis::CFunctionsComputation::kRowsPerStep;
        longTables += rowSteps > 1;
        EXPECT_EQ(steps + 1, static_cast<int>(rowSteps + 2 * whole->functions.size()))
            << "seed " << seed;
        EXPECT_EQ(analysis::functionsJson(*stepwise.functions(), stepwise.analysed()),
                  analysis::functionsJson(*whole, analysis::minimiseAll(*whole)))
            << "seed " << seed;
    }
    EXPECT_GE(longTables, 20);
}

}  // namespace
