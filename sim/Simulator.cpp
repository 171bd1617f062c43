#include "sim/Simulator.h"

#include "sim/SettlePlan.h"

namespace sim {

CSimulator::CSimulator(CCircuit& circuit, Wiring wiring) : circuit_(circuit), wiring_(wiring) {}

CSimulator::~CSimulator() = default;

CSettlePlan& CSimulator::plan() {
    if (wiring_ == Wiring::Fixed) {
        if (!plan_) plan_ = std::make_unique<CSettlePlan>(circuit_);
    } else if (!plan_ || !key_.matches(circuit_)) {
        plan_ = std::make_unique<CSettlePlan>(circuit_, &key_);
    }
    return *plan_;
}

SettleResult CSimulator::settle() {
    last_ = plan().settle();
    ++settleCount_;
    return last_;
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
