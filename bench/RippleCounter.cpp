#include "bench/RippleCounter.h"

#include "bench/TableFiller.h"
#include "sim/Generator.h"

void buildRippleCounter(CCircuit& circuit, int bits, const GeneratorParams& clock) {
    TableFiller fill(circuit);
    const int32_t generator = fill.block(GTI);
    const sim::GeneratorTicks ticks = sim::toTicks(clock);
    circuit.blockElements[generator]->setupGenerator(ticks.period, ticks.pulse, ticks.delay);
    const int32_t high = fill.block(EntrSignal);
    circuit.blockElements[high]->pins[kOutputPin].value = 1;

    Attach clockSource = Attach::toPin(GTI, generator, kOutputPin);
    int32_t highNet = -1;
    for (int bit = 0; bit < bits; ++bit) {
        const int32_t trigger = fill.block(Trigger);
        fill.wire(clockSource, Attach::toPin(Trigger, trigger, kTriggerClock));
        const Attach j = Attach::toPin(Trigger, trigger, kTriggerJ);
        highNet = highNet < 0 ? fill.wire(Attach::toPin(EntrSignal, high, kOutputPin), j)
                              : fill.wire(Attach::onto(highNet), j);
        fill.wire(Attach::onto(highNet), Attach::toPin(Trigger, trigger, kTriggerK));
        clockSource = Attach::toPin(Trigger, trigger, kTriggerQ);
    }
}
