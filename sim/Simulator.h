#pragma once
#include <memory>

#include "model/Circuit.h"
#include "sim/Simulation.h"
#include "sim/WiringKey.h"

namespace sim {

class CSettlePlan;

// Settles one circuit again and again, as a long run of generator ticks does,
// keeping the settle plan from one settle to the next. The tables may change in
// any way between settles (the editor changes them directly), so every settle
// first checks the plan's wiring key against the tables and builds a new plan
// when anything it was built from differs.
class CSimulator {
  public:
    explicit CSimulator(CCircuit& circuit);
    ~CSimulator();
    CSimulator(const CSimulator&) = delete;
    CSimulator& operator=(const CSimulator&) = delete;

    // The plan that fits the tables as they stand now.
    CSettlePlan& plan();

    // As settle, switchPowerOn and clockTick in Simulation.h.
    SettleResult settle();
    SettleResult switchPowerOn();
    bool clockTick();

  private:
    CCircuit& circuit_;
    CWiringKey key_;
    std::unique_ptr<CSettlePlan> plan_;
};

}  // namespace sim
