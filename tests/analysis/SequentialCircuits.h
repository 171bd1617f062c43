#pragma once
#include <cstdint>
#include <map>
#include <tuple>

#include "model/Circuit.h"
#include "support/CircuitBuilder.h"

// Small sequential circuits for the automaton's tests, wired directly in the
// tables: an output may feed any number of inputs (the later wires join the first).
class CSequentialCircuit {
  public:
    struct Source {
        ElementKind kind;
        int32_t slot;
        int pin;
    };

    // Input signals are met in reading order by their row; triggers by their column.
    int32_t signal(int32_t row);
    int32_t trigger(int32_t column);
    int32_t gate(bool isConjunction, uint16_t inputs, bool inverted);
    int32_t generator(uint32_t period, uint32_t pulse, int32_t row);
    int32_t indicator(int32_t row = 0);
    // A gate that is 1 whatever happens: an inverter with nothing on its input.
    Source one();

    // A gate's input `toPin` is its nth input, 0 the first; other kinds' pins are their numbers.
    void connect(Source from, ElementKind toKind, int32_t toSlot, int toPin);
    // A JK trigger's J and K both from `from` (a T trigger), or as a D trigger.
    void toggleOn(Source from, int32_t trigger);
    void dFrom(Source from, Source inverse, int32_t trigger);

    CCircuit& circuit() { return circuit_; }

  private:
    CCircuit circuit_;
    CircuitBuilder build_{circuit_};
    std::map<std::tuple<int, int32_t, int>, int32_t> wires_;  // the first wire of each output
    int32_t next_ = 0;                                        // where the next gate goes
};

inline CSequentialCircuit::Source q(int32_t trigger) {
    return {Trigger, trigger, kTriggerQ};
}
inline CSequentialCircuit::Source notQ(int32_t trigger) {
    return {Trigger, trigger, kTriggerNotQ};
}
inline CSequentialCircuit::Source out(int32_t gate) {
    return {LogicElement, gate, kOutputPin};
}
inline CSequentialCircuit::Source level(int32_t signal) {
    return {EntrSignal, signal, kOutputPin};
}
