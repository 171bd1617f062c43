#include "sim/SettleWiring.h"

#include <utility>

#include "sim/DrivingOutputs.h"
#include "sim/Evaluation.h"
#include "sim/WireWalk.h"
#include "sim/WiringKey.h"

namespace sim {

namespace {

constexpr uint32_t kNone = UINT32_MAX;
// The element slots of both tables in one numbering, logic slots then block slots.
constexpr uint32_t kElementNumbers = CCircuit::kLogicSlots + CCircuit::kBlockSlots;

uint32_t logicNumber(int32_t slot) {
    return static_cast<uint32_t>(slot);
}
uint32_t blockNumber(int32_t slot) {
    return static_cast<uint32_t>(CCircuit::kLogicSlots + slot);
}
uint32_t elementNumber(ElementKind kind, int32_t slot) {
    return isLogicTableKind(kind) ? logicNumber(slot) : blockNumber(slot);
}

class CWiringBuilder {
  public:
    CWiringBuilder(CCircuit& circuit, CWiringKey* key)
        : circuit_(circuit),
          key_(key),
          readerOf_(kElementNumbers, kNone),
          walkedBy_(CCircuit::kWireSlots, kNone) {}

    SettleWiring build() {
        listEvaluated();
        walkOutputs();
        listTargets();
        return std::move(wiring_);
    }

    // walkWire's question: the wire to walk next, unless this output walked it already.
    const CWire* enter(int32_t slot) {
        if (slot < 0 || slot >= CCircuit::kWireSlots) return nullptr;
        uint32_t& walkedBy = walkedBy_[static_cast<size_t>(slot)];
        if (walkedBy == route_) return nullptr;
        const CWire* wire = key_ ? key_->lookUpWire(circuit_, slot) : circuit_.wire(slot);
        if (wire) walkedBy = route_;
        return wire;
    }

  private:
    // One driving output and the inputs its walk reached, reached_[firstReach, endReach).
    struct Route {
        uint32_t reader;  // kNone for an output that no evaluation changes
        uint8_t output;   // 0 for pin 9, 1 for pin 10
        const uint8_t* level;
        size_t firstReach;
        size_t endReach;
    };
    struct Reach {
        uint32_t target;  // reader x 16 + pin
        uint8_t* level;
    };

    void listEvaluated();
    void walkOutputs();
    void addRoute(uint32_t number, uint8_t output, const Pin& pin);
    uint32_t readerOf(const WireEnd& end);
    void listTargets();
    void listTargetsOf(const Route& route, std::vector<uint32_t>& lastRoute);

    CCircuit& circuit_;
    CWiringKey* key_;
    SettleWiring wiring_;
    std::vector<uint32_t> readerOf_;  // by element number
    std::vector<uint32_t> walkedBy_;  // by wire slot: the last route that walked it
    uint32_t route_ = kNone;          // the route being walked
    std::vector<Route> routes_;       // in delivery order
    std::vector<Reach> reached_;      // in walk order
};

void CWiringBuilder::listEvaluated() {
    auto add = [this](uint32_t number, CLogicElement* gate, CBlockElement* block) {
        readerOf_[number] = static_cast<uint32_t>(wiring_.readers.size());
        wiring_.readers.push_back({gate ? &gate->pins : &block->pins, gate, block});
    };
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        CBlockElement* element = circuit_.blockElements[s].get();
        if (element && isEvaluated(kindInfo(element->kind).outputRule))
            add(blockNumber(s), nullptr, element);
    }
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
        CLogicElement* element = circuit_.logicElements[s].get();
        if (element && isGate(*element)) add(logicNumber(s), element, nullptr);
    }
    wiring_.evaluated = static_cast<uint32_t>(wiring_.readers.size());
}

// The outputs in the order a pass delivers them; each one's walk starts afresh.
void CWiringBuilder::walkOutputs() {
    forEachDrivingOutput(
        circuit_, [this](bool inBlockTable, int32_t slot, uint8_t output, const Pin& pin) {
            addRoute(inBlockTable ? blockNumber(slot) : logicNumber(slot), output, pin);
        });
}

void CWiringBuilder::addRoute(uint32_t number, uint8_t output, const Pin& pin) {
    route_ = static_cast<uint32_t>(routes_.size());
    const uint32_t reader = readerOf_[number];
    routes_.push_back(
        {reader < wiring_.evaluated ? reader : kNone, output, &pin.value, reached_.size(), 0});
    if (const CWire* first = enter(pin.wireIndex)) {
        walkWire(circuit_, *first, *this, [this](const WireEnd& end, Pin& input) {
            const auto pinNumber = static_cast<uint32_t>(end.slot);
            reached_.push_back({targetOf(readerOf(end), pinNumber), &input.value});
        });
    }
    routes_.back().endReach = reached_.size();
}

// The end names a pin that is there (walkWire reached it).
uint32_t CWiringBuilder::readerOf(const WireEnd& end) {
    const ElementKind kind = *end.kind.elementKind();
    uint32_t& reader = readerOf_[elementNumber(kind, end.index)];
    if (reader == kNone) {
        reader = static_cast<uint32_t>(wiring_.readers.size());
        wiring_.readers.push_back({circuit_.pinsOf(kind, end.index), nullptr, nullptr});
    }
    return reader;
}

// Targets by evaluated reader and output, then those of the fixed outputs.
void CWiringBuilder::listTargets() {
    std::vector<uint32_t> lastRoute(targetOf(static_cast<uint32_t>(wiring_.readers.size()), 0),
                                    kNone);  // by target
    std::vector<uint32_t> routeOf(2 * size_t{wiring_.evaluated}, kNone);
    for (uint32_t r = 0; r < routes_.size(); ++r) {
        for (size_t i = routes_[r].firstReach; i < routes_[r].endReach; ++i)
            lastRoute[reached_[i].target] = r;
        if (routes_[r].reader != kNone) routeOf[2 * routes_[r].reader + routes_[r].output] = r;
    }
    for (const uint32_t route : routeOf) {
        wiring_.outputTargets.push_back(static_cast<uint32_t>(wiring_.targets.size()));
        if (route != kNone) listTargetsOf(routes_[route], lastRoute);
    }
    wiring_.outputTargets.push_back(static_cast<uint32_t>(wiring_.targets.size()));
    for (const Route& route : routes_) {
        if (route.reader != kNone) continue;
        const auto first = static_cast<uint32_t>(wiring_.targets.size());
        listTargetsOf(route, lastRoute);
        wiring_.fixedOutputs.push_back(
            {route.level, first, static_cast<uint32_t>(wiring_.targets.size())});
    }
}

// The inputs that keep this route's level: those no later route reaches.
void CWiringBuilder::listTargetsOf(const Route& route, std::vector<uint32_t>& lastRoute) {
    const auto self = static_cast<uint32_t>(&route - routes_.data());
    for (size_t i = route.firstReach; i < route.endReach; ++i) {
        const Reach& reach = reached_[i];
        if (lastRoute[reach.target] != self) continue;
        lastRoute[reach.target] = kNone;  // once, even when the walk reached it twice
        wiring_.targets.push_back(reach.target);
        wiring_.targetPins.push_back(reach.level);
    }
}

}  // namespace

SettleWiring buildSettleWiring(CCircuit& circuit, CWiringKey* key) {
    if (key) key->recordElements(circuit);
    return CWiringBuilder(circuit, key).build();
}

}  // namespace sim
