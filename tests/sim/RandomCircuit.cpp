#include "RandomCircuit.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "support/CircuitBuilder.h"

namespace {

struct PinRef {
    ElementKind kind;
    int32_t slot, pin;
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

    void addPins(ElementKind kind, int32_t slot) {
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
        gates.reserve(static_cast<size_t>(size));
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
        const std::vector<int32_t> wires = occupied(circuit_.wires);
        const std::optional<PinRef> pin = anyPin();
        if (wires.empty() || !pin) return "nothing";
        const std::string at = " " + std::to_string(storedNumber(pin->kind)) + "/" +
                               std::to_string(pin->slot) + "." + std::to_string(pin->pin);
        const int32_t wire = any(wires);
        switch (pick(6)) {
            case 0:
                removeWire(wire);
                return "removed wire " + std::to_string(wire);
            case 1:
                return "added wire " + std::to_string(addWire(*pin)) + " to" + at;
            case 2:
                return joinWire(wire, any(wires));
            case 3:
                return moveEnd(*circuit_.wires[wire], *pin) + at;
            case 4:
                return replaceElement(*pin) + at;
            default:
                return flipInPlace(*pin) + at;
        }
    }

  private:
    int pick(int n) { return ::pick(rng_, n); }
    int32_t any(const std::vector<int32_t>& items) {
        return items[static_cast<size_t>(pick(static_cast<int>(items.size())))];
    }
    // Any pin of any element, present or not.
    std::optional<PinRef> anyPin() {
        const std::vector<int32_t> logic = occupied(circuit_.logicElements);
        const std::vector<int32_t> blocks = occupied(circuit_.blockElements);
        if (logic.empty() && blocks.empty()) return std::nullopt;
        const bool inLogic = blocks.empty() || (!logic.empty() && chance(rng_, 60));
        const int32_t slot = any(inLogic ? logic : blocks);
        const ElementKind kind =
            inLogic ? circuit_.logicElements[slot]->kind : circuit_.blockElements[slot]->kind;
        return PinRef{kind, slot, pick(kPinCount)};
    }

    // Its pins let go of it; junctions onto it are left naming an empty slot.
    void removeWire(int32_t slot) {
        for (const WireEnd& end : circuit_.wires[slot]->ends) {
            Pin* pin = circuit_.linkedPin(end);
            if (end.kind != kLinkWire && pin && pin->wireIndex == slot) pin->connected = 0;
        }
        circuit_.wires[slot].reset();
    }

    // From a random output to the pin, over whatever wire either had.
    int32_t addWire(const PinRef& to) {
        const std::optional<PinRef> from = anyPin();
        return build_.wire(from->kind, from->slot, kFirstOutputPin + pick(2), to.kind, to.slot,
                           to.pin);
    }

    std::string joinWire(int32_t from, int32_t onto) {
        if (from == onto) return "nothing";
        build_.join(from, pick(2), onto);
        return "joined wire " + std::to_string(from) + " onto " + std::to_string(onto);
    }

    std::string moveEnd(CWire& wire, const PinRef& to) {
        WireEnd& end = wire.ends[static_cast<size_t>(pick(static_cast<int>(wire.ends.size())))];
        if (end.kind == kLinkWire) return "nothing";
        end = {end.x, end.y, to.kind, to.slot, to.pin};
        return "moved an end of wire " + std::to_string(wire.index) + " to";
    }

    // A new record of any kind of the table in the slot, with the old one's wiring as
    // a parameter change leaves it, or none.
    std::string replaceElement(const PinRef& at) {
        const Pins old = *circuit_.pinsOf(at.kind, at.slot);
        Pins* pins = nullptr;
        if (isLogicTableKind(at.kind)) {
            auto& slot = circuit_.logicElements[at.slot];
            slot = pick(4) == 0 ? std::make_unique<CLogicElement>(Indicator)
                                : std::make_unique<CLogicElement>(pick(2), 1 + pick(9), pick(2));
            pins = &slot->pins;
            slot->index = at.slot;
        } else {
            auto& slot = circuit_.blockElements[at.slot];
            slot = std::make_unique<CBlockElement>(kBlockKinds[pick(4)]);
            pins = &slot->pins;
            slot->index = at.slot;
        }
        for (int p = 0; p < kPinCount; ++p)
            (*pins)[p] = {(*pins)[p].present, old[p].connected, (*pins)[p].value,
                          old[p].linkKind,    old[p].wireIndex, old[p].wireEnd};
        if (pick(3) > 0) return "replaced element";
        (isLogicTableKind(at.kind) ? circuit_.logicElements[at.slot].reset()
                                   : circuit_.blockElements[at.slot].reset());
        return "deleted element";
    }

    // A flag or level of the pin, or the gate's type, inversion or kind.
    std::string flipInPlace(const PinRef& at) {
        Pin& pin = *circuit_.pin(at.kind, at.slot, at.pin);
        CLogicElement* gate = circuit_.logicElement(at.slot);
        switch (pick(6)) {
            case 0:
                pin.connected ^= 1;
                return "flipped connected of";
            case 1:
                pin.present ^= 1;
                return "flipped present of";
            case 2:
                if (!gate || !isLogicTableKind(at.kind)) return "nothing at";
                (pick(2) ? gate->isConjunction : gate->inverted) ^= 1;
                return "changed the gate of";
            case 3:
                // Not something the editor does, but the plan must notice it all the same.
                if (gate && isLogicTableKind(at.kind))
                    gate->kind = gate->kind == LogicElement ? Indicator : LogicElement;
                return "changed in place the kind of";
            default:
                pin.value = pin.value ? 0 : 1;
                return "flipped the level of";
        }
    }

    CCircuit& circuit_;
    std::mt19937& rng_;
    CircuitBuilder build_{circuit_};
};

}  // namespace

std::string applyRandomEdit(CCircuit& circuit, std::mt19937& rng) {
    return CRandomEdit(circuit, rng).apply();
}
