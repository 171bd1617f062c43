#include "sim/WireLevels.h"

#include <utility>
#include <vector>

#include "sim/DrivingOutputs.h"
#include "sim/WireWalk.h"

namespace sim {
namespace {

// Walks the wires of one output after another, giving every wire it enters the
// level of the output being walked; a later output's level replaces an earlier one.
class CLevelWalk {
  public:
    explicit CLevelWalk(const CCircuit& circuit)
        : circuit_(circuit),
          levels_(CCircuit::kWireSlots, WireLevel::None),
          walkedBy_(CCircuit::kWireSlots, 0) {}

    void walk(const Pin& output) {
        ++route_;
        level_ = output.value ? WireLevel::High : WireLevel::Low;
        if (const CWire* first = enter(output.wireIndex))
            walkWire(circuit_, *first, *this, [](const WireEnd&, Pin&) {});
    }

    // walkWire's question: the wire to walk next, unless this output walked it already.
    const CWire* enter(int32_t slot) {
        if (slot < 0 || slot >= CCircuit::kWireSlots) return nullptr;
        const auto at = static_cast<size_t>(slot);
        if (walkedBy_[at] == route_) return nullptr;
        const CWire* wire = circuit_.wire(slot);
        if (!wire) return nullptr;
        walkedBy_[at] = route_;
        levels_[at] = level_;
        return wire;
    }

    WireLevels take() { return std::move(levels_); }

  private:
    const CCircuit& circuit_;
    WireLevels levels_;
    std::vector<uint32_t> walkedBy_;  // by wire slot: the last output that walked it
    uint32_t route_ = 0;
    WireLevel level_ = WireLevel::None;
};

}  // namespace

WireLevels wireLevels(const CCircuit& circuit) {
    CLevelWalk walk(circuit);
    forEachDrivingOutput(circuit,
                         [&walk](bool, int32_t, uint8_t, const Pin& output) { walk.walk(output); });
    return walk.take();
}

}  // namespace sim
