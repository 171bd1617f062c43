#include "support/SampleCircuit.h"

#include "support/CircuitBuilder.h"

SampleCircuit buildSampleCircuit(CCircuit& circuit) {
    CircuitBuilder build(circuit);
    SampleCircuit sample;
    sample.signal = build.block(EntrSignal, 60, 60);
    circuit.blockElements[sample.signal]->pins[9].value = 1;
    sample.inverter = build.gate(false, 1, true, 150, 50);
    sample.indicator = build.indicator(250, 50);
    build.wire(EntrSignal, sample.signal, 9, LogicElement, sample.inverter, 2,
               {{85, 70}, {120, 70}, {120, 65}, {150, 65}});
    build.wire(LogicElement, sample.inverter, 9, Indicator, sample.indicator, 0,
               {{180, 65}, {215, 65}, {215, 55}, {250, 55}});

    sample.generator = build.block(GTI, 60, 160);
    circuit.blockElements[sample.generator]->setupGenerator(10, 5, 0);
    sample.trigger = build.block(Trigger, 150, 150);
    build.wire(GTI, sample.generator, 9, Trigger, sample.trigger, 3, {{85, 170}, {150, 170}});
    return sample;
}
