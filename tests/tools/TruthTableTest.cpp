#include <gtest/gtest.h>

#include <sstream>

#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "tools/lotra-sim/TruthTable.h"

namespace {

std::string tableOf(const CCircuit& circuit) {
    std::ostringstream out;
    std::string error;
    EXPECT_TRUE(lotrasim::printTruthTable(circuit, out, error)) << error;
    return out.str();
}

// Slots in use around a gap: the columns follow the slots, not the order of
// insertion, and an empty slot leaves no column.
TEST(TruthTable, ColumnsFollowTheSlotsOfEachKind) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t first = b.block(EntrSignal, 0, 0);
    b.block(GTI, 0, 40);
    const int32_t second = b.block(EntrSignal, 0, 80);
    const int32_t gate = b.gate(true, 2, false, 100, 0);
    const int32_t shown = b.indicator(200, 0);
    b.block(Summer, 100, 100);
    b.wire(EntrSignal, first, 9, LogicElement, gate, 0);
    b.wire(EntrSignal, second, 9, LogicElement, gate, 4);
    b.wire(LogicElement, gate, 9, Indicator, shown, 3);

    EXPECT_EQ(tableOf(circuit),
              "B0\tB2\tL1\tL0.9\tB3.9\tB3.10\n"
              "0\t0\t00\t0\t0\t0\n"
              "0\t1\t00\t0\t0\t0\n"
              "1\t0\t00\t0\t0\t0\n"
              "1\t1\t08\t1\t0\t0\n");
}

// A trigger clocked by an input signal toggles on the falling edge. If a row began
// from what the previous row left, rows 2 and 3 would see an edge from row 1.
TEST(TruthTable, EveryRowStartsFromTheCircuitAsGiven) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t clock = b.block(EntrSignal, 0, 0);
    const int32_t one = b.block(EntrSignal, 0, 50);
    const int32_t trigger = b.block(Trigger, 100, 0);
    circuit.blockElements[one]->pins[9].value = 1;
    circuit.blockElements[trigger]->pins[9].value = 1;
    circuit.blockElements[trigger]->pins[10].value = 0;
    b.wire(EntrSignal, clock, 9, Trigger, trigger, 3);
    const int32_t j = b.wire(EntrSignal, one, 9, Trigger, trigger, 0);
    b.join(b.stub(Trigger, trigger, 6, {90, 40}), 1, j);

    EXPECT_EQ(tableOf(circuit),
              "B0\tB1\tB2.9\tB2.10\n"
              "0\t0\t1\t0\n"
              "0\t1\t1\t0\n"
              "1\t0\t1\t0\n"
              "1\t1\t1\t0\n");
    EXPECT_EQ(circuit.blockElements[trigger]->pins[9].value, 1) << "the given circuit is untouched";
}

TEST(TruthTable, SixteenInputsAreTheMost) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    for (int i = 0; i < 16; ++i) b.block(EntrSignal, 0, 30 * i);
    std::ostringstream out;
    std::string error;
    ASSERT_TRUE(lotrasim::printTruthTable(circuit, out, error));
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 65537);
    std::string allOnes = "1";
    for (int i = 1; i < 16; ++i) allOnes += "\t1";
    EXPECT_EQ(text.substr(text.size() - allOnes.size() - 2), "\n" + allOnes + "\n");

    b.block(EntrSignal, 0, 600);
    std::ostringstream refused;
    EXPECT_FALSE(lotrasim::printTruthTable(circuit, refused, error));
    EXPECT_EQ(refused.str(), "");
    EXPECT_NE(error.find("17 input signals"), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

// A damaged file gives input signals a second output: each is still one input and
// one column, and nine of them stay within the limit that eighteen would pass.
TEST(TruthTable, InputSignalsCountByElementWhateverPinsTheirRecordsClaim) {
    CCircuit damaged;
    CircuitBuilder b(damaged);
    for (int32_t i = 0; i < 9; ++i) {
        const int32_t signal = b.block(EntrSignal, 0, 40 * i);
        damaged.blockElements[static_cast<size_t>(signal)]->pins[10].present = 1;
    }
    CCircuit circuit;
    io::decodeCircuit(io::encodeCircuit(damaged), circuit);
    std::ostringstream out;
    std::string error;
    ASSERT_TRUE(lotrasim::printTruthTable(circuit, out, error)) << error;
    std::string header;
    std::getline(std::istringstream(out.str()), header);
    std::string expected;
    for (int i = 0; i < 9; ++i) expected += (i ? "\tB" : "B") + std::to_string(i);
    EXPECT_EQ(header, expected);
}

}  // namespace
