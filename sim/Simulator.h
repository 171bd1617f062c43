#pragma once
#include <cstdint>
#include <memory>

#include "model/Circuit.h"
#include "sim/Simulation.h"
#include "sim/WiringKey.h"

namespace sim {

class CSettlePlan;

// Settles one circuit again and again, as a long run of generator ticks does,
// keeping the settle plan from one settle to the next.
class CSimulator {
  public:
    enum class Wiring {
        // The tables may change in any way between settles (the editor changes them
        // directly), so every settle first checks the plan's wiring key against the
        // tables and builds a new plan when anything it was built from differs.
        MayChange,
        // Between settles only levels, latches and generator counters change (a run
        // of lotra-sim), so the first plan serves every settle without a check.
        Fixed,
    };

    explicit CSimulator(CCircuit& circuit, Wiring wiring = Wiring::MayChange);
    ~CSimulator();
    CSimulator(const CSimulator&) = delete;
    CSimulator& operator=(const CSimulator&) = delete;

    // The plan that fits the tables as they stand now.
    CSettlePlan& plan();

    // As settle, switchPowerOn and clockTick in Simulation.h.
    SettleResult settle();
    SettleResult switchPowerOn();
    bool clockTick();

    // How many settles ran, and how the last of them ended.
    uint64_t settleCount() const { return settleCount_; }
    SettleResult lastSettle() const { return last_; }

  private:
    CCircuit& circuit_;
    Wiring wiring_;
    CWiringKey key_;
    std::unique_ptr<CSettlePlan> plan_;
    uint64_t settleCount_ = 0;
    SettleResult last_;
};

}  // namespace sim
