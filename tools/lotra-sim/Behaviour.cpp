#include "tools/lotra-sim/Behaviour.h"

#include "io/CircuitFile.h"
#include "sim/Simulation.h"
#include "tools/lotra-sim/Report.h"

namespace lotrasim {
namespace {

void readIndicators(const CCircuit& circuit, const std::vector<int32_t>& indicators,
                    std::vector<uint8_t>& shown) {
    shown.clear();
    for (const int32_t slot : indicators)
        shown.push_back(static_cast<uint8_t>(indicatorNumber(circuit.logicElement(slot)->pins)));
}

}  // namespace

void poweredCombination(const std::vector<uint8_t>& fileBytes,
                        const std::vector<int32_t>& inputSlots, uint32_t combination,
                        CCircuit& circuit) {
    io::decodeCircuit(fileBytes, circuit);
    const size_t inputCount = inputSlots.size();
    for (size_t i = 0; i < inputCount; ++i) {
        const uint8_t level = (combination >> (inputCount - 1 - i)) & 1u;
        circuit.blockElement(inputSlots[i])->pins[kOutputPin].value = level;
    }
    sim::switchPowerOn(circuit);
}

bool visitReadings(const std::vector<uint8_t>& fileBytes, const Terminals& terminals,
                   uint32_t samples, const ReadingVisitor& visit) {
    const uint32_t combinations = uint32_t{1} << terminals.inputs.size();
    std::vector<uint8_t> shown;
    for (uint32_t combination = 0; combination < combinations; ++combination) {
        CCircuit circuit;
        poweredCombination(fileBytes, terminals.inputs, combination, circuit);
        for (uint32_t sample = 0; sample < samples; ++sample) {
            if (sample > 0) sim::clockTick(circuit);
            readIndicators(circuit, terminals.indicators, shown);
            if (!visit(combination, sample, shown)) return false;
        }
    }
    return true;
}

Behaviour recordBehaviour(const std::vector<uint8_t>& fileBytes, const Terminals& terminals,
                          uint32_t samples) {
    Behaviour behaviour{terminals.inputs.size(), terminals.indicators.size(), samples, {}};
    visitReadings(fileBytes, terminals, samples,
                  [&behaviour](uint32_t, uint32_t, const std::vector<uint8_t>& shown) {
                      behaviour.numbers.insert(behaviour.numbers.end(), shown.begin(), shown.end());
                      return true;
                  });
    return behaviour;
}

}  // namespace lotrasim
