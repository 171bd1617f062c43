#include "support/EveryKindCircuit.h"

#include "support/CircuitBuilder.h"

EveryKindCircuit::EveryKindCircuit() {
    CircuitBuilder build(circuit);
    const int32_t a = build.block(EntrSignal, 40, 40);
    const int32_t b = build.block(EntrSignal, 40, 100);
    const int32_t clock = build.block(GTI, 40, 160);
    const int32_t andGate = build.gate(true, 2, false, 140, 50);
    const int32_t orGate = build.gate(false, 3, true, 140, 150);
    const int32_t trigger = build.block(Trigger, 300, 40);
    const int32_t summer = build.block(Summer, 300, 130);
    const int32_t indicator = build.indicator(450, 60);
    const int32_t wide = build.gate(true, 9, false, 440, 180);
    const int32_t tall = build.gate(false, 7, false, 530, 180);
    build.gate(false, 1, true, 440, 300);
    const int32_t selected = build.gate(true, 5, false, 530, 300);

    build.wire(EntrSignal, a, 9, LogicElement, andGate, 0,
               {{65, 50}, {100, 50}, {100, 55}, {140, 55}});
    const int32_t bIntoAnd = build.wire(EntrSignal, b, 9, LogicElement, andGate, 4,
                                        {{65, 110}, {110, 110}, {110, 75}, {140, 75}});
    build.wire(GTI, clock, 9, LogicElement, orGate, 0,
               {{65, 170}, {120, 170}, {120, 155}, {140, 155}});
    const int32_t branch = build.stub(LogicElement, orGate, 4, {90, 110});
    circuit.wires[branch]->points = {{140, 175}, {90, 175}, {90, 110}};
    build.join(branch, 1, bIntoAnd);
    build.wire(LogicElement, andGate, 9, Trigger, trigger, 0,
               {{170, 65}, {230, 65}, {230, 45}, {300, 45}});
    build.wire(LogicElement, orGate, 9, Trigger, trigger, 3,
               {{170, 165}, {250, 165}, {250, 60}, {300, 60}});
    build.wire(Trigger, trigger, 9, Indicator, indicator, 0,
               {{340, 50}, {400, 50}, {400, 65}, {450, 65}});
    build.wire(Trigger, trigger, 10, Indicator, indicator, 1);
    build.wire(Summer, summer, 10, Indicator, indicator, 2,
               {{340, 160}, {420, 160}, {420, 75}, {450, 75}});
    build.stub(Summer, summer, 9, {380, 140});
    const int32_t marked = build.wire(LogicElement, wide, 9, LogicElement, tall, 0,
                                      {{470, 205}, {500, 205}, {500, 185}, {530, 185}});
    circuit.wires[marked]->highlighted = 1;

    circuit.blockElements[a]->pins[9].value = 1;
    circuit.blockElements[clock]->pins[9].value = 1;
    circuit.blockElements[summer]->pins[9].value = 1;
    circuit.logicElements[indicator]->pins[1].value = 1;
    circuit.logicElements[wide]->pins[9].value = 1;
    circuit.logicElements[orGate]->pins[9].value = 0;
    circuit.logicElements[selected]->drawState = kDrawStateDisabled;
}
