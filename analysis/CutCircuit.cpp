#include "analysis/CutCircuit.h"

#include <algorithm>

#include "model/CircuitCopy.h"

namespace analysis {
namespace {

// The pin of a probe that a trigger's clock wire is moved to.
constexpr int kClockProbePin = 0;

int32_t partnerOf(const std::vector<std::pair<int32_t, int32_t>>& pairs, int32_t slot) {
    return std::find_if(pairs.begin(), pairs.end(),
                        [slot](const auto& p) { return p.first == slot; })
        ->second;
}

}  // namespace

CCutCircuit::CCutCircuit(const CCircuit& circuit, const CircuitNaming& naming) : naming_(naming) {
    copyTablesInto(circuit, copy_);
    ready_ = cutTriggerClocks();
    for (const CircuitVariable& variable : naming.variables)
        if (variable.role == VariableRole::GateState && !cutGate(variable.slot)) ready_ = false;
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        const CBlockElement* block = copy_.blockElement(s);
        if (block && kindInfo(block->kind).outputRule == OutputRule::Summer)
            summerOutputs_.push_back(
                {s, block->pins[kSummerSum].value, block->pins[kSummerCarryOut].value});
    }
    // Only levels, latches and gate inversions change from row to row.
    simulator_ = std::make_unique<sim::CSimulator>(copy_, sim::CSimulator::Wiring::Fixed);
}

CCutCircuit::~CCutCircuit() = default;

bool CCutCircuit::cutTriggerClocks() {
    for (const CircuitVariable& variable : naming_.variables) {
        if (variable.role != VariableRole::TriggerState) continue;
        auto probe = std::make_unique<CLogicElement>(Indicator);
        CLogicElement& probeRecord = *probe;
        if (!copy_.registerLogicElement(probe)) return false;
        moveEnds(Trigger, variable.slot, kTriggerClock, probeRecord.index, kClockProbePin);
        clockProbes_.emplace_back(variable.slot, probeRecord.index);
    }
    return true;
}

void CCutCircuit::moveEnds(ElementKind kind, int32_t slot, int pin, int32_t toSlot, int toPin) {
    const ElementKind toKind = kind == Trigger ? Indicator : kind;
    for (auto& wire : copy_.wires) {
        if (!wire) continue;
        for (WireEnd& end : wire->ends) {
            if (end.kind != LinkKind(kind) || end.index != slot) continue;
            if (pin >= 0 ? end.slot != pin : !isInputPin(end.slot)) continue;
            end.kind = toKind;
            end.index = toSlot;
            if (pin >= 0) end.slot = toPin;
        }
    }
}

bool CCutCircuit::cutGate(int32_t slot) {
    CLogicElement& gate = *copy_.logicElement(slot);
    auto twin = std::make_unique<CLogicElement>(gate);
    CLogicElement& twinRecord = *twin;
    twinRecord.pins[kOutputPin].connected = 0;
    if (!copy_.registerLogicElement(twin)) return false;
    moveEnds(LogicElement, slot, -1, twinRecord.index, -1);
    for (int p = 0; p < kFirstOutputPin; ++p) {
        gate.pins[p].present = 0;
        gate.pins[p].connected = 0;
    }
    gate.isConjunction = 1;
    twins_.emplace_back(slot, twinRecord.index);
    return true;
}

void CCutCircuit::setVariable(const CircuitVariable& variable, bool value) {
    const auto level = static_cast<uint8_t>(value ? 1 : 0);
    switch (variable.role) {
        case VariableRole::Input:
            copy_.blockElement(variable.slot)->pins[kOutputPin].value = level;
            break;
        case VariableRole::TriggerState: {
            CBlockElement& trigger = *copy_.blockElement(variable.slot);
            trigger.pins[kTriggerQ].value = level;
            trigger.pins[kTriggerNotQ].value = static_cast<uint8_t>(level ^ 1);
            trigger.clockArmed = 0;
            break;
        }
        case VariableRole::GateState:
            // No inputs: the conjunction is 1, and the inversion makes it the variable.
            copy_.logicElement(variable.slot)->inverted = static_cast<uint8_t>(level ^ 1);
            break;
    }
}

bool CCutCircuit::settleRow(uint32_t row) {
    const size_t count = naming_.variables.size();
    for (size_t v = 0; v < count; ++v)
        setVariable(naming_.variables[v], ((row >> (count - 1 - v)) & 1u) != 0);
    for (const HeldOutputs& held : summerOutputs_) {
        Pins& pins = copy_.blockElement(held.slot)->pins;
        pins[kSummerSum].value = held.first;
        pins[kSummerCarryOut].value = held.second;
    }
    return simulator_->switchPowerOn().settled;
}

bool CCutCircuit::level(const CircuitFunctionName& function) const {
    switch (function.role) {
        case FunctionRole::TriggerJ:
        case FunctionRole::TriggerK:
            return copy_.blockElement(function.slot)->pins[function.pin].value != 0;
        case FunctionRole::TriggerClock:
            return copy_.logicElement(partnerOf(clockProbes_, function.slot))
                       ->pins[kClockProbePin]
                       .value != 0;
        case FunctionRole::GateNext:
            return copy_.logicElement(partnerOf(twins_, function.slot))->pins[kOutputPin].value !=
                   0;
        case FunctionRole::Output:
        case FunctionRole::GateOutput:
            break;
    }
    return copy_.logicElement(function.slot)->pins[function.pin].value != 0;
}

}  // namespace analysis
