#include <gtest/gtest.h>

#include "sim/Simulation.h"
#include "support/CircuitBuilder.h"
#include "tools/lotra-sim/Report.h"

namespace {

// Builds the circuit of the documented example lines: a conjunctor fed two 1s, an
// indicator showing 5, and a trigger holding Q = 1.
void buildExample(CCircuit& circuit) {
    CircuitBuilder b(circuit);
    const int32_t gate = b.gate(true, 2, false, 100, 0);
    const int32_t indicator = b.indicator(100, 100);
    const int32_t trigger = b.block(Trigger, 0, 200);
    circuit.blockElements[trigger]->pins[9].value = 1;
    circuit.blockElements[trigger]->pins[10].value = 0;
    const std::pair<int32_t, int32_t> fed[] = {
        {gate, 0}, {gate, 4}, {indicator, 0}, {indicator, 2}};
    for (const auto& [slot, pin] : fed) {
        const int32_t signal = b.block(EntrSignal, 0, 50 * pin);
        circuit.blockElements[signal]->pins[9].value = 1;
        b.wire(EntrSignal, signal, 9, circuit.logicElements[slot]->kind, slot, pin);
    }
    b.wire(Trigger, trigger, 10, Indicator, indicator, 4);
}

TEST(LotraSimReport, PrintsTheDocumentedLinesAfterSettling) {
    CCircuit circuit;
    buildExample(circuit);
    sim::switchPowerOn(circuit);
    EXPECT_EQ(lotrasim::circuitReport(circuit),
              "L0 LogicElement 0=1 4=1 9=1\n"
              "L1 Indicator 0=1 1=0 2=1 3=0 4=0 shows=05\n"
              "B0 Trigger 0=0 3=0 6=0 9=1 10=0\n"
              "B1 EntrSignal 9=1\n"
              "B2 EntrSignal 9=1\n"
              "B3 EntrSignal 9=1\n"
              "B4 EntrSignal 9=1\n");
}

TEST(LotraSimReport, EmptySlotsAndEveryKindName) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    b.gate(false, 1, true);
    b.gate(false, 9, false);
    for (ElementKind kind : {Summer, GTI, Summer}) b.block(kind);
    circuit.logicElements[0].reset();
    circuit.blockElements[0].reset();
    EXPECT_EQ(lotrasim::circuitReport(circuit),
              "L1 LogicElement 0=0 1=0 2=0 3=0 4=0 5=0 6=0 7=0 8=0 9=0\n"
              "B1 GTI 9=0\n"
              "B2 Summer 0=0 3=0 6=0 9=0 10=0\n");
}

TEST(LotraSimReport, IndicatorCountsOnlyConnectedPinsAtOne) {
    Pins pins = CLogicElement(CLogicElement::IndicatorTag{}).pins;
    for (Pin& pin : pins) pin.value = 1;
    EXPECT_EQ(lotrasim::indicatorNumber(pins), 0);
    for (int p : {0, 1, 2, 3, 4}) pins[p].connected = 1;
    EXPECT_EQ(lotrasim::indicatorNumber(pins), 31);
    pins[0].value = 0;
    pins[3].connected = 0;
    EXPECT_EQ(lotrasim::indicatorNumber(pins), 2 + 4 + 16);
}

}  // namespace
