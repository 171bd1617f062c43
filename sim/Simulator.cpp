#include "sim/Simulator.h"

#include "sim/SettlePlan.h"

namespace sim {

CSimulator::CSimulator(CCircuit& circuit) : circuit_(circuit) {}

CSimulator::~CSimulator() = default;

CSettlePlan& CSimulator::plan() {
    if (!plan_ || !key_.matches(circuit_)) plan_ = std::make_unique<CSettlePlan>(circuit_, &key_);
    return *plan_;
}

SettleResult CSimulator::settle() {
    return plan().settle();
}

SettleResult CSimulator::switchPowerOn() {
    resetSignals(circuit_);
    return settle();
}

bool CSimulator::clockTick() {
    if (!tickGenerators(circuit_)) return false;
    settle();
    return true;
}

}  // namespace sim
