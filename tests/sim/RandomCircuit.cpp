#include "RandomCircuit.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "support/CircuitBuilder.h"

namespace {

struct PinRef {
    int32_t kind, slot, pin;
};

int pick(std::mt19937& rng, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}
bool chance(std::mt19937& rng, int percent) {
    return pick(rng, 100) < percent;
}

constexpr ElementKind kBlockKinds[] = {Trigger, Summer, EntrSignal, GTI};

class CRandomCircuit {
  public:
    CRandomCircuit(CCircuit& circuit, unsigned seed) : circuit_(circuit), rng_(seed) {}

    RandomCircuitTraits build() {
        addElements();
        if (chance(rng_, 20)) addRing();
        wireInputs();
        driveSharedNets();
        for (int n = pick(4); n > 0 && !nets_.empty(); --n) {
            build_.bridge(randomNet(), randomNet());
            traits_.junctionCycle = true;
        }
        if (chance(rng_, 15)) scrambleBytes();
        return traits_;
    }

  private:
    int pick(int n) { return ::pick(rng_, n); }
    int32_t randomNet() { return nets_[static_cast<size_t>(pick(static_cast<int>(nets_.size())))]; }

    void addPins(int32_t kind, int32_t slot) {
        const Pins& pins = *circuit_.pinsOf(kind, slot);
        for (int p = 0; p < kPinCount; ++p) {
            if (!pins[p].present) continue;
            (isInputPin(p) ? inputs_ : outputs_).push_back({kind, slot, p});
        }
    }

    void addElements() {
        for (int n = pick(36); n > 0; --n) {
            const int32_t slot = build_.gate(pick(2), static_cast<uint16_t>(1 + pick(9)), pick(2));
            addPins(LogicElement, slot);
        }
        for (int n = pick(3); n > 0; --n) addPins(Indicator, build_.indicator());
        for (int n = pick(14); n > 0; --n) {
            const int32_t slot = build_.block(kBlockKinds[pick(4)]);
            CBlockElement& element = *circuit_.blockElements[slot];
            if (element.kind == EntrSignal) element.pins[9].value = static_cast<uint8_t>(pick(2));
            if (element.kind == GTI)
                element.setupGenerator(1 + pick(6), 1 + pick(3), static_cast<uint32_t>(pick(4)));
            if (element.kind == Trigger) {
                element.pins[9].value = static_cast<uint8_t>(pick(2));
                element.pins[10].value = static_cast<uint8_t>(
                    chance(rng_, 90) ? 1 - element.pins[9].value : element.pins[9].value);
                element.latchedJ = static_cast<uint8_t>(pick(2));
                element.clockArmed = static_cast<uint8_t>(pick(2));
                element.latchedK = static_cast<uint8_t>(pick(2));
            }
            addPins(element.kind, slot);
        }
    }

    // A ring of inverters (oscillating to the pass limit) or two cross-coupled NOR
    // gates, a latch.
    void addRing() {
        const bool latch = chance(rng_, 30);
        const int size = latch ? 2 : 1 + pick(5);
        std::vector<int32_t> gates;
        for (int i = 0; i < size; ++i) gates.push_back(build_.gate(false, latch ? 2 : 1, true));
        for (int i = 0; i < size; ++i) {
            const int32_t next = gates[static_cast<size_t>((i + 1) % size)];
            nets_.push_back(build_.wire(LogicElement, gates[static_cast<size_t>(i)], 9,
                                        LogicElement, next, latch ? 0 : 2));
            if (latch) addPins(LogicElement, next);  // its other input, and outputs to share
        }
        traits_.ring = true;
    }

    bool isFree(const PinRef& pin) const {
        return !circuit_.pin(pin.kind, pin.slot, pin.pin)->connected;
    }

    void wireInputs() {
        std::shuffle(inputs_.begin(), inputs_.end(), rng_);
        std::shuffle(outputs_.begin(), outputs_.end(), rng_);
        for (const PinRef& in : inputs_) {
            if (!isFree(in) || chance(rng_, 20)) continue;  // left unwired
            const auto out = std::find_if(outputs_.begin(), outputs_.end(),
                                          [this](const PinRef& o) { return isFree(o); });
            if (out != outputs_.end() && (nets_.empty() || chance(rng_, 35))) {
                nets_.push_back(
                    build_.wire(out->kind, out->slot, out->pin, in.kind, in.slot, in.pin));
            } else if (!nets_.empty()) {
                const int32_t branch = build_.stub(in.kind, in.slot, in.pin, {700, 700});
                build_.join(branch, 1, randomNet());
                nets_.push_back(branch);
            }
        }
    }

    // Outputs still without a wire: some join a net that already has a driver,
    // some get a wire that ends nowhere.
    void driveSharedNets() {
        for (const PinRef& out : outputs_) {
            if (!isFree(out)) continue;
            if (!nets_.empty() && chance(rng_, 45)) {
                const int32_t branch = build_.stub(out.kind, out.slot, out.pin, {800, 800});
                build_.join(branch, 1, randomNet());
                traits_.sharedNet = true;
            } else if (chance(rng_, 15)) {
                nets_.push_back(build_.stub(out.kind, out.slot, out.pin, {900, 900}));
            }
        }
    }

    void scrambleBytes() {
        for (const PinRef& pin : outputs_)
            if (chance(rng_, 30)) circuit_.pin(pin.kind, pin.slot, pin.pin)->value = 2;
        for (const PinRef& pin : inputs_)
            if (chance(rng_, 20)) circuit_.pin(pin.kind, pin.slot, pin.pin)->value = 255;
        traits_.oddBytes = true;
    }

    CCircuit& circuit_;
    CircuitBuilder build_{circuit_};
    std::mt19937 rng_;
    RandomCircuitTraits traits_;
    std::vector<PinRef> inputs_, outputs_;
    std::vector<int32_t> nets_;
};

}  // namespace

RandomCircuitTraits buildRandomCircuit(CCircuit& circuit, unsigned seed) {
    return CRandomCircuit(circuit, seed).build();
}

namespace {

// The occupied slots of a table, slots upward.
template <typename Table>
std::vector<int32_t> occupied(const Table& table) {
    std::vector<int32_t> slots;
    for (size_t s = 0; s < table.size(); ++s)
        if (table[s]) slots.push_back(static_cast<int32_t>(s));
    return slots;
}

class CRandomEdit {
  public:
    CRandomEdit(CCircuit& circuit, std::mt19937& rng) : circuit_(circuit), rng_(rng) {}

    std::string apply() {
        switch (pick(9)) {
            case 0:
                return removeWire();
            case 1:
                return addWire();
            case 2:
                return joinWire();
            case 3:
                return replaceElement();
            case 4:
                return deleteElement();
            case 5:
                return toggleOutputConnection();
            case 6:
                return reconfigureGate();
            case 7:
                return toggleLevel();
            default:
                return movePinEnd();
        }
    }

  private:
    int pick(int n) { return ::pick(rng_, n); }
    template <typename T>
    const T& any(const std::vector<T>& items) {
        return items[static_cast<size_t>(pick(static_cast<int>(items.size())))];
    }
    // A pin of any element, input or output, or nothing when there are no elements.
    std::optional<PinRef> anyPin(bool input) {
        const std::vector<int32_t> logic = occupied(circuit_.logicElements);
        const std::vector<int32_t> blocks = occupied(circuit_.blockElements);
        if (logic.empty() && blocks.empty()) return std::nullopt;
        const bool inLogic = blocks.empty() || (!logic.empty() && ::chance(rng_, 60));
        const int32_t slot = any(inLogic ? logic : blocks);
        const int32_t kind =
            inLogic ? circuit_.logicElements[slot]->kind : circuit_.blockElements[slot]->kind;
        return PinRef{kind, slot, input ? pick(kFirstOutputPin) : kFirstOutputPin + pick(2)};
    }

    std::string removeWire() {
        const std::vector<int32_t> wires = occupied(circuit_.wires);
        if (wires.empty()) return "nothing";
        const int32_t slot = any(wires);
        // The pins let go of it; junctions onto it are left naming an empty slot.
        for (const WireEnd& end : circuit_.wires[slot]->ends) {
            Pin* pin = circuit_.pin(end.kind, end.index, end.slot);
            if (end.kind != kLinkWire && pin && pin->wireIndex == slot) pin->connected = 0;
        }
        circuit_.wires[slot].reset();
        return "removed wire " + std::to_string(slot);
    }

    std::string addWire() {
        const std::optional<PinRef> from = anyPin(false), to = anyPin(true);
        if (!from || !to) return "nothing";
        const int32_t wire =
            build_.wire(from->kind, from->slot, from->pin, to->kind, to->slot, to->pin);
        return "added wire " + std::to_string(wire);
    }

    std::string joinWire() {
        const std::vector<int32_t> wires = occupied(circuit_.wires);
        if (wires.empty()) return "nothing";
        const int32_t from = any(wires), onto = any(wires);
        if (from == onto) return "nothing";
        const int32_t end = pick(2);
        build_.join(from, end, onto);
        return "joined wire " + std::to_string(from) + " onto " + std::to_string(onto);
    }

    // A new record in the slot, with the old one's wiring, as a parameter change does.
    std::string replaceElement() {
        const std::optional<PinRef> at = anyPin(true);
        if (!at) return "nothing";
        const Pins old = *circuit_.pinsOf(at->kind, at->slot);
        Pins* pins = nullptr;
        if (isLogicTableKind(at->kind)) {
            auto& slot = circuit_.logicElements[at->slot];
            slot = pick(4) == 0 ? std::make_unique<CLogicElement>(CLogicElement::IndicatorTag{})
                                : std::make_unique<CLogicElement>(pick(2), 1 + pick(9), pick(2));
            pins = &slot->pins;
            slot->index = at->slot;
        } else {
            auto& slot = circuit_.blockElements[at->slot];
            slot = std::make_unique<CBlockElement>(kBlockKinds[pick(4)]);
            pins = &slot->pins;
            slot->index = at->slot;
        }
        for (int p = 0; p < kPinCount; ++p) {
            (*pins)[p].connected = old[p].connected;
            (*pins)[p].linkKind = old[p].linkKind;
            (*pins)[p].wireIndex = old[p].wireIndex;
            (*pins)[p].wireEnd = old[p].wireEnd;
        }
        return "replaced element " + std::to_string(at->kind) + "/" + std::to_string(at->slot);
    }

    std::string deleteElement() {
        const std::optional<PinRef> at = anyPin(true);
        if (!at) return "nothing";
        if (isLogicTableKind(at->kind))
            circuit_.logicElements[at->slot].reset();
        else
            circuit_.blockElements[at->slot].reset();
        return "deleted element " + std::to_string(at->kind) + "/" + std::to_string(at->slot);
    }

    std::string toggleOutputConnection() {
        const std::optional<PinRef> at = anyPin(false);
        if (!at) return "nothing";
        Pin& pin = *circuit_.pin(at->kind, at->slot, at->pin);
        pin.connected ^= 1;
        return "toggled the connection of " + std::to_string(at->slot) + "." +
               std::to_string(at->pin);
    }

    // Not the wiring: the gate's type, inversion or layout change in place.
    std::string reconfigureGate() {
        const std::vector<int32_t> logic = occupied(circuit_.logicElements);
        if (logic.empty()) return "nothing";
        CLogicElement& gate = *circuit_.logicElements[any(logic)];
        switch (pick(3)) {
            case 0:
                gate.isConjunction ^= 1;
                break;
            case 1:
                gate.inverted ^= 1;
                break;
            default:
                gate.pins[static_cast<size_t>(pick(kFirstOutputPin))].present ^= 1;
        }
        return "reconfigured gate " + std::to_string(gate.index);
    }

    std::string toggleLevel() {
        const std::optional<PinRef> at = anyPin(pick(2) == 0);
        if (!at) return "nothing";
        Pin& pin = *circuit_.pin(at->kind, at->slot, at->pin);
        pin.value = pin.value ? 0 : 1;
        return "toggled the level of " + std::to_string(at->slot) + "." + std::to_string(at->pin);
    }

    // An end on a pin moved to another element's pin, present or not.
    std::string movePinEnd() {
        const std::vector<int32_t> wires = occupied(circuit_.wires);
        const std::optional<PinRef> to = anyPin(true);
        if (wires.empty() || !to) return "nothing";
        CWire& wire = *circuit_.wires[any(wires)];
        WireEnd& end = wire.ends[static_cast<size_t>(pick(static_cast<int>(wire.ends.size())))];
        if (end.kind == kLinkWire) return "nothing";
        end.kind = to->kind;
        end.index = to->slot;
        end.slot = to->pin;
        return "moved an end of wire " + std::to_string(wire.index) + " to " +
               std::to_string(to->slot) + "." + std::to_string(to->pin);
    }

    CCircuit& circuit_;
    std::mt19937& rng_;
    CircuitBuilder build_{circuit_};
};

}  // namespace

std::string applyRandomEdit(CCircuit& circuit, std::mt19937& rng) {
    return CRandomEdit(circuit, rng).apply();
}
