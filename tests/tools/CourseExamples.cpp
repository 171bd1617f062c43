#include "CourseExamples.h"

#include "io/CircuitFile.h"

// Drawn in the order a student draws it: signals, gates, indicator, then wires.
void drawHalfAdder(CExampleDrawing& d, const HalfAdderSlips& slips) {
    int32_t a = 0, b = 0;
    if (!slips.gatesFirst) a = d.signal({40, 35}), b = d.signal({40, 175});
    const int32_t any = d.gate({160, 40}, kOr2);
    const int32_t notBoth = d.gate({160, 100}, kNand2);
    const int32_t carry = d.gate({160, 160}, slips.carryGate);
    const int32_t sum = d.gate({260, 70}, kAnd2);
    const int32_t shown = d.indicator({360, 140});
    if (slips.gatesFirst) b = d.signal({40, 175}), a = d.signal({40, 35});
    if (slips.secondIndicator) d.indicator({360, 20});

    d.connect(EntrSignal, a, 9, {}, LogicElement, any, 0);
    d.branch(LogicElement, carry, 0, {{110, 165}}, {110, 45});
    d.branch(LogicElement, notBoth, 0, {}, {110, 105});
    d.connect(EntrSignal, b, 9, {}, LogicElement, carry, 4);
    d.branch(LogicElement, any, 4, {{130, 65}}, {130, 185});
    d.branch(LogicElement, notBoth, 4, {}, {130, 125});

    d.connect(LogicElement, any, 9, {{225, 55}, {225, 75}}, LogicElement, sum, 0);
    d.connect(LogicElement, notBoth, 9, {{235, 115}, {235, 95}}, LogicElement, sum, 4);
    d.connect(LogicElement, sum, 9, {{320, 85}, {320, 145}}, Indicator, shown, 0);
    if (slips.carryWire)
        d.connect(LogicElement, carry, 9, {{330, 175}, {330, 150}}, Indicator, shown, 1);
}

namespace {

void drawCourseHalfAdder(CExampleDrawing& d) {
    drawHalfAdder(d, {});
}

// A one-bit full adder: the indicator shows S + 2P = A + B + carry in.
void drawFullAdder(CExampleDrawing& d) {
    const int32_t a = d.signal({40, 40});
    const int32_t carryIn = d.signal({40, 90});
    const int32_t b = d.signal({40, 140});
    const int32_t adder = d.summer({160, 45});
    const int32_t shown = d.indicator({280, 50});

    d.connect(EntrSignal, a, 9, {}, Summer, adder, 0);
    d.connect(EntrSignal, carryIn, 9, {{100, 100}, {100, 65}}, Summer, adder, 3);
    d.connect(EntrSignal, b, 9, {{120, 150}, {120, 80}}, Summer, adder, 6);
    d.connect(Summer, adder, 9, {}, Indicator, shown, 0);
    d.connect(Summer, adder, 10, {{240, 75}, {240, 60}}, Indicator, shown, 1);
}

}  // namespace

// Two JK triggers with J = K = 1 toggle on falling clock edges: the first on the
// generator's, the second on the first one's Q. The indicator counts 0, 1, 2, 3.
int32_t drawCounter(CExampleDrawing& d, float period) {
    const int32_t clock = d.generator({40, 50}, GeneratorParams{period, 0.5f, 0.0f});
    const int32_t one = d.signal({40, 120});
    const int32_t low = d.trigger({160, 40});
    const int32_t high = d.trigger({300, 40});
    const int32_t shown = d.indicator({380, 10});

    d.connect(EntrSignal, one, 9, {{280, 130}, {280, 75}}, Trigger, high, 6);
    d.branch(Trigger, low, 6, {{140, 75}}, {140, 130});
    d.branch(Trigger, low, 0, {{120, 45}}, {120, 130});
    d.branch(Trigger, high, 0, {{270, 45}}, {270, 130});
    d.connect(GTI, clock, 9, {}, Trigger, low, 3);
    d.connect(Trigger, low, 9, {{285, 50}, {285, 60}}, Trigger, high, 3);
    d.connect(Trigger, high, 9, {{360, 50}, {360, 20}}, Indicator, shown, 1);
    d.branch(Indicator, shown, 0, {{230, 15}}, {230, 50});
    return one;
}

namespace {

// The counter of a one-second clock, with its input signal at 1.
void drawCourseCounter(CExampleDrawing& d) {
    d.flip(drawCounter(d, 1.0f));
}

// Five input signals on the five inputs of an indicator, set to 1 0 1 1 0: it
// shows 1 + 4 + 8 = 13.
void drawIndicator(CExampleDrawing& d) {
    const int32_t shown = d.indicator({200, 95});
    const int32_t columns[] = {160, 140, 0, 140, 160};
    for (int32_t pin = 0; pin < 5; ++pin) {
        const int32_t y = 40 + 30 * pin;
        const int32_t signal = d.signal({40, y});
        const int32_t pinY = 100 + 5 * pin;
        std::vector<Point> bends;
        if (columns[pin]) bends = {{columns[pin], y + 10}, {columns[pin], pinY}};
        d.connect(EntrSignal, signal, 9, bends, Indicator, shown, pin);
    }
    for (int32_t slot : {0, 2, 3}) d.flip(slot);
}

// Y = D0 when S is 0, D1 when S is 1: (D0 and not S) or (D1 and S).
void drawMultiplexer(CExampleDrawing& d) {
    const int32_t d0 = d.signal({40, 35});
    const int32_t select = d.signal({40, 95});
    const int32_t d1 = d.signal({40, 155});
    const int32_t notSelect = d.gate({120, 50}, kInverter);
    const int32_t pass0 = d.gate({200, 40}, kAnd2);
    const int32_t pass1 = d.gate({200, 140}, kAnd2);
    const int32_t out = d.gate({280, 85}, kOr2);

    d.connect(EntrSignal, d0, 9, {}, LogicElement, pass0, 0);
    d.connect(EntrSignal, select, 9, {{100, 105}, {100, 65}}, LogicElement, notSelect, 2);
    d.branch(LogicElement, pass1, 0, {{85, 145}}, {85, 105});
    d.connect(EntrSignal, d1, 9, {}, LogicElement, pass1, 4);
    d.connect(LogicElement, notSelect, 9, {}, LogicElement, pass0, 4);
    d.connect(LogicElement, pass0, 9, {{255, 55}, {255, 90}}, LogicElement, out, 0);
    d.connect(LogicElement, pass1, 9, {{255, 155}, {255, 110}}, LogicElement, out, 4);
}

}  // namespace

const std::vector<CourseExample>& courseExamples() {
    static const std::vector<CourseExample> examples{
        {"half-adder.vrt", drawCourseHalfAdder}, {"full-adder.vrt", drawFullAdder},
        {"jk-counter.vrt", drawCourseCounter},   {"indicator-5bit.vrt", drawIndicator},
        {"multiplexer.vrt", drawMultiplexer},
    };
    return examples;
}

std::vector<uint8_t> drawnExampleBytes(const CourseExample& example,
                                       std::vector<std::string>& faults) {
    CExampleDrawing drawing;
    example.draw(drawing);
    faults = drawing.faults();
    return io::encodeCircuit(drawing.circuit());
}
