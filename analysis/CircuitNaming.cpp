#include "analysis/CircuitNaming.h"

#include <algorithm>

#include "analysis/ReadingOrder.h"

namespace analysis {

std::string numberedName(const char* prefix, size_t index) {
    return prefix + std::to_string(index + 1);
}

bool CircuitNaming::hasTriggers() const {
    return std::any_of(variables.begin(), variables.end(), [](const CircuitVariable& v) {
        return v.role == VariableRole::TriggerState;
    });
}

bool CircuitNaming::hasGateStates() const {
    return std::any_of(variables.begin(), variables.end(),
                       [](const CircuitVariable& v) { return v.role == VariableRole::GateState; });
}

std::vector<std::string> CircuitNaming::variableNames() const {
    std::vector<std::string> names;
    for (const CircuitVariable& variable : variables) names.push_back(variable.name);
    return names;
}

const CircuitFunctionName* CircuitNaming::function(const std::string& name) const {
    for (const CircuitFunctionName& f : functions)
        if (f.name == name) return &f;
    return nullptr;
}

CircuitNaming nameCircuit(const CCircuit& circuit) {
    CircuitNaming naming;
    const std::vector<int32_t> triggers = triggersInReadingOrder(circuit);
    // Every gate is numbered in reading order among all gates; the ones on a loop are
    // cut and become variables under that number.
    const std::vector<int32_t> allGates = logicSlotsInReadingOrder(circuit, OutputRule::Gate);
    const std::vector<int32_t> onLoops = gatesOnFeedbackLoops(circuit);
    const auto onLoop = [&onLoops](int32_t slot) {
        return std::find(onLoops.begin(), onLoops.end(), slot) != onLoops.end();
    };
    const std::vector<int32_t> inputs = inputSignalsInReadingOrder(circuit);
    const std::vector<int32_t> clocked = generatorClockedTriggers(circuit);
    for (size_t i = 0; i < triggers.size(); ++i) {
        naming.variables.push_back({numberedName("Q", i), VariableRole::TriggerState, triggers[i]});
        naming.functions.push_back(
            {numberedName("J", i), FunctionRole::TriggerJ, triggers[i], kTriggerJ});
        naming.functions.push_back(
            {numberedName("K", i), FunctionRole::TriggerK, triggers[i], kTriggerK});
        if (std::find(clocked.begin(), clocked.end(), triggers[i]) == clocked.end())
            naming.functions.push_back(
                {numberedName("C", i), FunctionRole::TriggerClock, triggers[i], kTriggerClock});
    }
    for (size_t i = 0; i < allGates.size(); ++i) {
        if (!onLoop(allGates[i])) continue;
        naming.variables.push_back({numberedName("G", i), VariableRole::GateState, allGates[i]});
        naming.functions.push_back(
            {numberedName("G", i) + "+", FunctionRole::GateNext, allGates[i], kOutputPin});
    }
    for (size_t i = 0; i < inputs.size(); ++i)
        naming.variables.push_back({numberedName("X", i), VariableRole::Input, inputs[i]});
    const std::vector<int32_t> indicators = indicatorsInReadingOrder(circuit);
    for (size_t i = 0; i < indicators.size(); ++i) {
        const Pins& pins = circuit.logicElement(indicators[i])->pins;
        for (int pin = 0; pin < kIndicatorInputs; ++pin) {
            if (!pins[pin].present || !pins[pin].connected) continue;
            naming.functions.push_back({numberedName("Y", i) + "." + std::to_string(1 << pin),
                                        FunctionRole::Output, indicators[i], pin,
                                        static_cast<int>(i) + 1});
        }
    }
    size_t free = 0;
    for (const int32_t slot : allGates) {
        if (!onLoop(slot) && !circuit.logicElement(slot)->pins[kOutputPin].connected)
            naming.functions.push_back(
                {numberedName("F", free++), FunctionRole::GateOutput, slot, kOutputPin});
    }
    return naming;
}

}  // namespace analysis
