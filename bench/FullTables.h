#pragma once
// The largest circuits the tables hold, for the benchmarks and for setting the page's
// speed beside the native one.
#include <algorithm>
#include <memory>
#include <vector>

#include "model/Circuit.h"

namespace bench {

// Where one end of a wire goes: a pin of an element, onto another wire, or nowhere.
struct Attach {
    int32_t kind = kLinkNone;
    int32_t slot = 0;
    int32_t pin = 0;

    static Attach toPin(int32_t kind, int32_t slot, int32_t pin) { return {kind, slot, pin}; }
    static Attach onto(int32_t wire) { return {kLinkWire, wire, 0}; }
    static Attach nowhere() { return {}; }
};

// Fills the tables slot by slot, linking both sides of every end as a finished
// drawing would.
class TableFiller {
  public:
    explicit TableFiller(CCircuit& circuit) : circuit_(circuit) {}

    int32_t gate(bool isConjunction, uint16_t inputs, bool inverted) {
        auto element = std::make_unique<CLogicElement>(isConjunction, inputs, inverted);
        element->setPosition(40 * (nextLogic_ % 40), 60 * (nextLogic_ / 40));
        return place(circuit_.logicElements, std::move(element), nextLogic_);
    }
    int32_t block(ElementKind kind) {
        auto element = std::make_unique<CBlockElement>(kind);
        element->setPosition(1700 + 50 * (nextBlock_ % 6), 50 * (nextBlock_ / 6));
        return place(circuit_.blockElements, std::move(element), nextBlock_);
    }
    int32_t wire(Attach from, Attach to) {
        auto record = std::make_unique<CWire>();
        record->ends.resize(2);
        const int32_t slot = place(circuit_.wires, std::move(record), nextWire_);
        attach(slot, 0, from);
        attach(slot, 1, to);
        CWire& w = *circuit_.wires[slot];
        w.points = {w.ends[0].position(), w.ends[1].position()};
        return slot;
    }
    // Dangling branches onto the nets of `targets`, round robin, until the wire table is full.
    void fillWiresWithBranches(const std::vector<int32_t>& targets) {
        for (size_t i = 0; nextWire_ < CCircuit::kWireSlots; ++i)
            wire(Attach::onto(targets[i % targets.size()]), Attach::nowhere());
    }
    bool tablesFull() const {
        return nextLogic_ == CCircuit::kLogicSlots && nextBlock_ == CCircuit::kBlockSlots &&
               nextWire_ == CCircuit::kWireSlots;
    }

  private:
    template <typename Table, typename Record>
    static int32_t place(Table& table, std::unique_ptr<Record> record, int32_t& next) {
        const int32_t slot = next++;
        record->index = slot;
        table[slot] = std::move(record);
        return slot;
    }

    void attach(int32_t wireSlot, int32_t position, Attach target) {
        WireEnd& end = circuit_.wires[wireSlot]->ends[position];
        if (target.kind == kLinkWire) {
            CWire& other = *circuit_.wires[target.slot];
            end = {other.ends[0].x, other.ends[0].y, kLinkWire, target.slot,
                   static_cast<int32_t>(other.ends.size())};
            other.ends.push_back({end.x, end.y, kLinkWire, wireSlot, position});
            return;
        }
        if (target.kind == kLinkNone) {
            end = {100 + (5 * wireSlot) % 1800, 1900, kLinkNone, 0, 0};
            return;
        }
        const Point anchor = *circuit_.pinAnchor(target.kind, target.slot, target.pin);
        end = {anchor.x, anchor.y, target.kind, target.slot, target.pin};
        Pin& pin = *circuit_.pin(target.kind, target.slot, target.pin);
        pin = {pin.present, 1, pin.value, kLinkWire, wireSlot, position};
    }

    CCircuit& circuit_;
    int32_t nextLogic_ = 0;
    int32_t nextBlock_ = 0;
    int32_t nextWire_ = 0;
};

// An input signal at 1 feeding 255 inverters in one chain. The other 126 block
// slots hold a ripple-carry adder of 63 summers and 63 JK triggers clocked by its
// sums, all fed by branches off the chain; the rest of the wire table is dangling
// branches on the chain's nets.
inline void buildFullChain(CCircuit& circuit, TableFiller& fill) {
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
        fill.wire(tap(4 * i), Attach::toPin(Summer, summer, 0));
        fill.wire(tap(4 * i + 1), Attach::toPin(Summer, summer, 6));
        const Attach carry =
            summers.empty() ? tap(4 * i + 2) : Attach::toPin(Summer, summers.back(), 10);
        fill.wire(carry, Attach::toPin(Summer, summer, 3));
        summers.push_back(summer);
    }
    fill.wire(Attach::toPin(Summer, summers.back(), 10), Attach::nowhere());
    for (int i = 0; i < kPairs; ++i) {
        const int32_t trigger = fill.block(Trigger);
        fill.wire(tap(4 * i + 3), Attach::toPin(Trigger, trigger, 0));
        fill.wire(tap(4 * i + 5), Attach::toPin(Trigger, trigger, 6));
        fill.wire(Attach::toPin(Summer, summers[i], 9), Attach::toPin(Trigger, trigger, 3));
        fill.wire(Attach::toPin(Trigger, trigger, 9), Attach::nowhere());
        fill.wire(Attach::toPin(Trigger, trigger, 10), Attach::nowhere());
    }
    fill.fillWiresWithBranches(chain);
}

// 127 generators (10 ticks, pulse 5, delays 0 to 9) into a chain of 255 two-input
// AND gates: gate i takes generator i / 2 and gate i - 1. Some generator reaches a
// switching point on every tick, so every tick settles the chain.
inline void buildGeneratorChain(CCircuit& circuit, TableFiller& fill) {
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

}  // namespace bench
