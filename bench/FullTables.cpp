#include "bench/FullTables.h"

#include <algorithm>
#include <vector>

void buildFullChain(CCircuit& circuit, TableFiller& fill) {
    const int32_t source = fill.block(EntrSignal);
    circuit.blockElements[source]->pins[kOutputPin].value = 1;
    std::vector<int32_t> chain;
    Attach previous = Attach::toPin(EntrSignal, source, 9);
    for (int i = 0; i < CCircuit::kLogicSlots; ++i) {
        const int32_t gate = fill.gate(false, 1, true);
        chain.push_back(fill.wire(previous, Attach::toPin(LogicElement, gate, 2)));
        previous = Attach::toPin(LogicElement, gate, 9);
    }
    auto tap = [&](size_t n) { return Attach::onto(chain[(n * 37) % chain.size()]); };
    constexpr int kPairs = (CCircuit::kBlockSlots - 1) / 2;
    std::vector<int32_t> summers;
    for (int i = 0; i < kPairs; ++i) {
        const int32_t summer = fill.block(Summer);
        fill.wire(tap(size_t{4} * i), Attach::toPin(Summer, summer, 0));
        fill.wire(tap(size_t{4} * i + 1), Attach::toPin(Summer, summer, 6));
        const Attach carry =
            summers.empty() ? tap(size_t{4} * i + 2) : Attach::toPin(Summer, summers.back(), 10);
        fill.wire(carry, Attach::toPin(Summer, summer, 3));
        summers.push_back(summer);
    }
    fill.wire(Attach::toPin(Summer, summers.back(), 10), Attach::nowhere());
    for (int i = 0; i < kPairs; ++i) {
        const int32_t trigger = fill.block(Trigger);
        fill.wire(tap(size_t{4} * i + 3), Attach::toPin(Trigger, trigger, 0));
        fill.wire(tap(size_t{4} * i + 5), Attach::toPin(Trigger, trigger, 6));
        fill.wire(Attach::toPin(Summer, summers[i], 9), Attach::toPin(Trigger, trigger, 3));
        fill.wire(Attach::toPin(Trigger, trigger, 9), Attach::nowhere());
        fill.wire(Attach::toPin(Trigger, trigger, 10), Attach::nowhere());
    }
    fill.fillWiresWithBranches(chain);
}

void buildGeneratorChain(CCircuit& circuit, TableFiller& fill) {
    std::vector<int32_t> generatorNets;
    for (int g = 0; g < CCircuit::kBlockSlots; ++g) {
        const int32_t generator = fill.block(GTI);
        circuit.blockElements[generator]->setupGenerator(10, 5, static_cast<uint32_t>(g % 10));
    }
    std::vector<int32_t> nets;
    int32_t previous = -1;
    for (int i = 0; i < CCircuit::kLogicSlots; ++i) {
        const int32_t gate = fill.gate(true, 2, false);
        const int32_t generator = std::min(i / 2, CCircuit::kBlockSlots - 1);
        const Attach input = Attach::toPin(LogicElement, gate, 0);
        if (generator < static_cast<int32_t>(generatorNets.size())) {
            nets.push_back(fill.wire(Attach::onto(generatorNets[generator]), input));
        } else {
            generatorNets.push_back(fill.wire(Attach::toPin(GTI, generator, 9), input));
            nets.push_back(generatorNets.back());
        }
        if (previous >= 0)
            nets.push_back(fill.wire(Attach::toPin(LogicElement, previous, 9),
                                     Attach::toPin(LogicElement, gate, 4)));
        previous = gate;
    }
    fill.fillWiresWithBranches(nets);
}
