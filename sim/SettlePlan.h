#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"
#include "sim/SettleWiring.h"
#include "sim/Simulation.h"

namespace sim {

class CWiringKey;

// Settles a circuit on its wiring (SettleWiring), 64 elements at a time.
//
// Data layout: reader r is bit r % 64 of the words of entry r / 64 of rules_ (which
// rule evaluates it) and of words_ (its output levels and latches); the levels
// delivered to its input pin p are in inputs_[9 (r / 64) + p]. Target t sets or
// flips bit inputBits_[t] % 64 of inputs_[inputBits_[t] / 64].
//
// A settle takes the levels out of the pins, runs its passes on the words and puts
// the results back. Of the input pins it takes only those that an evaluation reads
// and no output reaches (unreachedInputs_): the first pass delivers every output,
// and a later one only flips the inputs of the outputs whose level flipped, as each
// input takes the level of exactly one output. Then word operations evaluate every
// element at once by the rules that evaluateElement applies to one record, so every
// pass leaves exactly the levels of delivering and evaluating everything.
class CSettlePlan {
  public:
    explicit CSettlePlan(CCircuit& circuit, CWiringKey* key = nullptr);

    // Delivers and evaluates until no output changes, from the levels the pins hold.
    SettleResult settle();
    // The same, step by step: begin() takes the levels from the pins, each pass()
    // delivers and evaluates once and tells whether an output changed, and
    // storeLevels() puts the levels into the pins.
    void begin();
    bool pass();
    void storeLevels();

  private:
    // Which rule evaluates each of readers 64w to 64w + 63, bit r % 64 for reader r
    // (none for an indicator); fixed by the wiring.
    struct RuleWord {
        uint64_t gates = 0;
        uint64_t triggers = 0;
        uint64_t summers = 0;
    };
    // The levels and latches of readers 64w to 64w + 63, taken from the records by begin().
    struct LevelWord {
        uint64_t present[kFirstOutputPin] = {};  // a gate has pin p as an input
        uint64_t conjunction = 0;
        uint64_t inverted = 0;
        uint64_t q = 0;  // the levels of pins 9 and 10
        uint64_t notQ = 0;
        uint64_t oddQ = 0;  // an output byte other than 0 and 1, kept until it is written
        uint64_t oddNotQ = 0;
        uint64_t latchedJ = 0;
        uint64_t armed = 0;
        uint64_t latchedK = 0;
        // The outputs whose level the last evaluation flipped.
        uint64_t flippedQ = 0;
        uint64_t flippedNotQ = 0;
    };

    // An input pin's level byte and its bit in inputs_, as in inputBits_.
    struct InputLevel {
        const uint8_t* level;
        uint32_t bit;
    };

    void listUnreachedInputs();
    void deliverAll();
    void deliverFlips();
    void raiseTargets(uint32_t firstTarget, uint32_t endTarget);
    static bool evaluate(const RuleWord& rules, LevelWord& word, const uint64_t* inputs);

    SettleWiring wiring_;
    std::vector<RuleWord> rules_;
    std::vector<LevelWord> words_;
    std::vector<uint64_t> inputs_;
    std::vector<uint32_t> inputBits_;
    std::vector<InputLevel> unreachedInputs_;
    bool firstPass_ = true;
};

}  // namespace sim
