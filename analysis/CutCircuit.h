#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/CircuitNaming.h"
#include "model/Circuit.h"
#include "sim/Simulation.h"
#include "sim/Simulator.h"

namespace analysis {

// A copy of a circuit with its state variables cut, so that the program's own
// settle computes every function of the naming for one row of the variables:
//  - a trigger sees no clock: its clock wire is moved to a probe (an indicator in a
//    free slot), so it holds the Q it is given, and inverse Q as its complement,
//    while J and K take their levels and the probe the clock's;
//  - a gate on a feedback loop keeps its slot and its output wire but loses its
//    inputs: with none, its conjunction is 1 and its inversion gives the variable;
//    a twin of it in a free slot takes its input wires and computes its next value;
//  - the input signals are set to the inputs' bits, and the summers' outputs (which
//    a reset keeps) to what the circuit holds.
// Every row then resets the signals and settles, as switching the power on does.
class CCutCircuit {
  public:
    CCutCircuit(const CCircuit& circuit, const CircuitNaming& naming);
    ~CCutCircuit();
    CCutCircuit(const CCutCircuit&) = delete;
    CCutCircuit& operator=(const CCutCircuit&) = delete;

    // False when the logic-element table has no room for the probes and twins.
    bool ready() const { return ready_; }
    // Sets the variables to the bits of `row` (the first variable the most
    // significant), resets and settles; false when the settle stopped at its bound.
    bool settleRow(uint32_t row);
    // The level of a function after the last settleRow.
    bool level(const CircuitFunctionName& function) const;

  private:
    bool cutTriggerClocks();
    bool cutGate(int32_t slot);
    // Moves the wire ends on pin `pin` of the element (every input pin for -1) to
    // pin `toPin` of another slot (the same pin for -1); a trigger's go to an indicator.
    void moveEnds(ElementKind kind, int32_t slot, int pin, int32_t toSlot, int toPin);
    void setVariable(const CircuitVariable& variable, bool value);

    const CircuitNaming& naming_;
    CCircuit copy_;
    std::vector<std::pair<int32_t, int32_t>> twins_;        // cut gate's slot, its twin's
    std::vector<std::pair<int32_t, int32_t>> clockProbes_;  // trigger's slot, its probe's
    // The summers' outputs as the circuit holds them: a reset keeps them, so each row
    // starts from them again rather than from what the row before left.
    struct HeldOutputs {
        int32_t slot;
        uint8_t first;
        uint8_t second;
    };
    std::vector<HeldOutputs> summerOutputs_;
    bool ready_ = true;
    std::unique_ptr<sim::CSimulator> simulator_;
};

}  // namespace analysis
