#include "bench/SixBitAdder.h"

#include <memory>

#include "bench/TableFiller.h"

void buildSixBitAdder(CCircuit& circuit) {
    const int32_t sums = 0;
    const int32_t high = 1;
    for (const int32_t slot : {sums, high}) {
        circuit.logicElements[slot] = std::make_unique<CLogicElement>(Indicator);
        circuit.logicElements[slot]->index = slot;
        circuit.logicElements[slot]->setPosition(1000, 100 * slot);
    }
    TableFiller fill(circuit);
    int32_t carry = -1;
    for (int bit = 0; bit < 6; ++bit) {
        const int32_t a = fill.block(EntrSignal);
        const int32_t b = fill.block(EntrSignal);
        const int32_t summer = fill.block(Summer);
        fill.wire(Attach::toPin(EntrSignal, a, kOutputPin),
                  Attach::toPin(Summer, summer, kSummerA));
        fill.wire(Attach::toPin(EntrSignal, b, kOutputPin),
                  Attach::toPin(Summer, summer, kSummerB));
        if (carry >= 0)
            fill.wire(Attach::toPin(Summer, carry, kSummerCarryOut),
                      Attach::toPin(Summer, summer, kSummerCarryIn));
        const bool first = bit < 5;
        fill.wire(Attach::toPin(Summer, summer, kSummerSum),
                  Attach::toPin(Indicator, first ? sums : high, first ? bit : 0));
        carry = summer;
    }
    fill.wire(Attach::toPin(Summer, carry, kSummerCarryOut), Attach::toPin(Indicator, high, 1));
}
