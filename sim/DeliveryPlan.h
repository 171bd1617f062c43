#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace sim {

// Where every driving output's level goes, in the order a settle pass delivers
// them: block outputs (Q before inverse Q) and then logic outputs, slots upward,
// so where two outputs drive one net the later one wins. Levels change during a
// settle but the wiring does not, so the wire walks are done once per settle
// and each pass only copies levels.
class DeliveryPlan {
  public:
    explicit DeliveryPlan(const CCircuit& circuit);
    // One pass's delivery: every output's level into every input it reaches.
    void deliver() const;

  private:
    struct Route {
        const uint8_t* source;
        uint32_t firstTarget;
        uint32_t endTarget;
    };
    void addRoute(const CCircuit& circuit, const Pin& output);

    std::vector<Route> routes_;
    std::vector<uint8_t*> targets_;
    std::vector<int32_t> visited_;
};

}  // namespace sim
