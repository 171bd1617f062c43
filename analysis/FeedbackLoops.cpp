#include <algorithm>

#include "analysis/CircuitNaming.h"
#include "sim/Evaluation.h"
#include "sim/WireWalk.h"

namespace analysis {
namespace {

// Gates are numbered by their logic slot, summers after them by their block slot.
constexpr size_t kNodes = CCircuit::kLogicSlots + CCircuit::kBlockSlots;

size_t nodeOf(ElementKind kind, int32_t slot) {
    return isLogicTableKind(kind) ? static_cast<size_t>(slot)
                                  : static_cast<size_t>(CCircuit::kLogicSlots + slot);
}

// What a level passes through within one settle: gates and summers, from an
// output to the inputs its wire reaches.
class CPassGraph {
  public:
    explicit CPassGraph(const CCircuit& circuit) : circuit_(circuit), next_(kNodes) {
        for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
            const CLogicElement* gate = circuit.logicElement(s);
            if (gate && sim::isGate(*gate))
                addEdges(nodeOf(LogicElement, s), gate->pins[kOutputPin]);
        }
        for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
            const CBlockElement* block = circuit.blockElement(s);
            if (!block || kindInfo(block->kind).outputRule != OutputRule::Summer) continue;
            addEdges(nodeOf(Summer, s), block->pins[kSummerSum]);
            if (block->pins[kSummerCarryOut].present)
                addEdges(nodeOf(Summer, s), block->pins[kSummerCarryOut]);
        }
    }

    bool onLoop(size_t node) const {
        std::vector<uint8_t> seen(kNodes, 0);
        std::vector<size_t> pending = next_[node];
        while (!pending.empty()) {
            const size_t at = pending.back();
            pending.pop_back();
            if (at == node) return true;
            if (seen[at]) continue;
            seen[at] = 1;
            pending.insert(pending.end(), next_[at].begin(), next_[at].end());
        }
        return false;
    }

  private:
    // Whether the element there is a gate or a summer (the record decides, not the link).
    bool passesLevels(ElementKind kind, int32_t slot) const {
        if (isLogicTableKind(kind)) {
            const CLogicElement* gate = circuit_.logicElement(slot);
            return gate && sim::isGate(*gate);
        }
        const CBlockElement* block = circuit_.blockElement(slot);
        return block && kindInfo(block->kind).outputRule == OutputRule::Summer;
    }

    void addEdges(size_t from, const Pin& output) {
        if (!output.connected) return;
        const CWire* first = circuit_.wire(output.wireIndex);
        if (!first) return;
        std::vector<int32_t> walked{output.wireIndex};
        sim::WalkedWires net{circuit_, walked};
        sim::walkWire(circuit_, *first, net, [this, from](const WireEnd& end, Pin&) {
            const ElementKind kind = *end.kind.elementKind();
            if (passesLevels(kind, end.index)) next_[from].push_back(nodeOf(kind, end.index));
        });
    }

    const CCircuit& circuit_;
    std::vector<std::vector<size_t>> next_;
};

}  // namespace

std::vector<int32_t> generatorClockedTriggers(const CCircuit& circuit) {
    std::vector<int32_t> triggers;
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        const CBlockElement* generator = circuit.blockElement(s);
        if (!generator || kindInfo(generator->kind).outputRule != OutputRule::Clock) continue;
        const Pin& output = generator->pins[kOutputPin];
        const CWire* first = output.connected ? circuit.wire(output.wireIndex) : nullptr;
        if (!first) continue;
        std::vector<int32_t> walked{output.wireIndex};
        sim::WalkedWires net{circuit, walked};
        sim::walkWire(circuit, *first, net, [&circuit, &triggers](const WireEnd& end, Pin&) {
            const CBlockElement* block =
                end.kind == LinkKind(Trigger) ? circuit.blockElement(end.index) : nullptr;
            if (block && kindInfo(block->kind).outputRule == OutputRule::Trigger &&
                end.slot == kTriggerClock)
                triggers.push_back(end.index);
        });
    }
    std::sort(triggers.begin(), triggers.end());
    triggers.erase(std::unique(triggers.begin(), triggers.end()), triggers.end());
    return triggers;
}

std::vector<int32_t> gatesOnFeedbackLoops(const CCircuit& circuit) {
    const CPassGraph graph(circuit);
    std::vector<int32_t> gates;
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
        const CLogicElement* gate = circuit.logicElement(s);
        if (gate && sim::isGate(*gate) && graph.onLoop(nodeOf(LogicElement, s))) gates.push_back(s);
    }
    return gates;
}

}  // namespace analysis
