#include <gtest/gtest.h>

#include "render/RecordDrawing.h"
#include "sim/Simulation.h"
#include "support/CircuitBuilder.h"
#include "support/RecordingCanvas.h"
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

// The window and the report show the same number for every state of the pins,
// a sixth pin that a damaged file marks present and wired included.
TEST(LotraSimReport, TheWindowShowsTheNumberTheReportPrints) {
    CLogicElement indicator(Indicator);
    constexpr int kPins = 6;
    for (int states = 0; states < 1 << (2 * kPins); ++states) {
        for (int p = 0; p < kPins; ++p) {
            indicator.pins[p].present = 1;
            indicator.pins[p].connected = (states >> (2 * p)) & 1;
            indicator.pins[p].value = (states >> (2 * p + 1)) & 1;
        }
        RecordingCanvas canvas;
        render::draw(canvas, indicator, Viewport{}, true);
        const auto texts = canvas.callsOf(RecordingCanvas::Op::Text);
        ASSERT_EQ(texts.size(), 1u);
        ASSERT_EQ(texts[0].text, lotrasim::indicatorText(indicatorNumber(indicator.pins)))
            << "pin states " << states;
    }
}

}  // namespace
