#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "model/Circuit.h"
#include "tools/lotra-sim/Terminals.h"

namespace lotrasim {

// What the indicators of a circuit show for every combination of its inputs,
// counting in binary with the first input the most significant bit: `samples`
// readings per combination, after power on and then after each generator tick,
// each reading one number 0 to 31 per indicator.
struct Behaviour {
    size_t inputCount = 0;
    size_t indicatorCount = 0;
    uint32_t samples = 1;
    std::vector<uint8_t> numbers;  // combination by combination, reading by reading

    uint32_t combinations() const { return uint32_t{1} << inputCount; }
    uint8_t number(uint32_t combination, uint32_t sample, size_t indicator) const {
        return numbers[(size_t{combination} * samples + sample) * indicatorCount + indicator];
    }
};

// One reading: the combination, the reading's number (0 after power on, n after
// tick n) and each indicator's number. False stops the run.
using ReadingVisitor =
    std::function<bool(uint32_t combination, uint32_t sample, const std::vector<uint8_t>& shown)>;

// A fresh copy of the circuit of `fileBytes` into the empty `circuit`, with the
// input signals of `inputSlots` set to the bits of `combination` (the first signal
// the most significant) and the power switched on.
void poweredCombination(const std::vector<uint8_t>& fileBytes,
                        const std::vector<int32_t>& inputSlots, uint32_t combination,
                        CCircuit& circuit);

// Runs the circuit of `fileBytes` from the file's state for every combination of
// its inputs, `samples - 1` generator ticks each, and hands every reading of its
// indicators to `visit`. False when the visitor stopped it.
bool visitReadings(const std::vector<uint8_t>& fileBytes, const Terminals& terminals,
                   uint32_t samples, const ReadingVisitor& visit);

// Every reading of the circuit, kept.
Behaviour recordBehaviour(const std::vector<uint8_t>& fileBytes, const Terminals& terminals,
                          uint32_t samples);

}  // namespace lotrasim
