#include "analysis/CircuitMachine.h"

#include <algorithm>
#include <numeric>

#include "analysis/AutomatonTexts.h"
#include "analysis/CircuitNaming.h"
#include "analysis/ReadingOrder.h"
#include "analysis/TextFill.h"
#include "model/CircuitCopy.h"
#include "sim/Evaluation.h"
#include "sim/WireWalk.h"

namespace analysis {
namespace {

// Whether a level from that output reaches a trigger's clock pin through wires and gates.
bool reachesTriggerClock(const CCircuit& circuit, const Pin& output) {
    std::vector<const Pin*> pending{&output};
    std::vector<int32_t> gatesSeen;
    bool reached = false;
    while (!pending.empty() && !reached) {
        const Pin* from = pending.back();
        pending.pop_back();
        const CWire* first = from->connected ? circuit.wire(from->wireIndex) : nullptr;
        if (!first) continue;
        std::vector<int32_t> walked{from->wireIndex};
        sim::WalkedWires net{circuit, walked};
        sim::walkWire(circuit, *first, net, [&](const WireEnd& end, Pin&) {
            if (end.kind == LinkKind(Trigger)) {
                const CBlockElement* block = circuit.blockElement(end.index);
                reached = reached || (block && block->kind == Trigger && end.slot == kTriggerClock);
                return;
            }
            const CLogicElement* gate =
                end.kind == LinkKind(LogicElement) ? circuit.logicElement(end.index) : nullptr;
            if (!gate || !sim::isGate(*gate)) return;
            if (std::find(gatesSeen.begin(), gatesSeen.end(), end.index) != gatesSeen.end()) return;
            gatesSeen.push_back(end.index);
            pending.push_back(&gate->pins[kOutputPin]);
        });
    }
    return reached;
}

bool isGenerator(const CBlockElement& block) {
    return kindInfo(block.kind).outputRule == OutputRule::Clock;
}

bool pinLevel(const Pin& pin) {
    return pin.value != 0;
}

}  // namespace

CCircuitMachine::CCircuitMachine(const CCircuit& circuit, int clockOrdinal) {
    copyTablesInto(circuit, copy_);
    // A run only sets levels, latches and counters: the wiring stays as the circuit had it.
    simulator_ = std::make_unique<sim::CSimulator>(copy_, sim::CSimulator::Wiring::Fixed);
    const CircuitNaming naming = nameCircuit(copy_);
    std::vector<int32_t> signals;
    for (const CircuitVariable& variable : naming.variables) {
        if (variable.role == VariableRole::Input) {
            signals.push_back(variable.slot);
            continue;
        }
        variableNames_.push_back(variable.name);
        (variable.role == VariableRole::TriggerState ? triggers_ : stateGates_)
            .push_back(variable.slot);
    }
    triggerCount_ = triggers_.size();
    indicators_ = indicatorsInReadingOrder(copy_);

    uint64_t lcm = 0;
    for (const auto& block : copy_.blockElements) {
        if (!block || !isGenerator(*block) || block->periodTicks == 0) continue;
        lcm = lcm == 0 ? block->periodTicks : std::lcm(lcm, uint64_t{block->periodTicks});
        lcm = std::min(lcm, kMaxStepTicks + 1);
    }
    if (lcm > 0) {
        stepKind_ = StepKind::Generators;
        stepTicks_ = lcm;
        if (lcm > kMaxStepTicks)
            error_ = fillPattern(texts::kStepTooLong,
                                 {std::to_string(lcm) + "+", std::to_string(kMaxStepTicks)});
    } else if (!triggers_.empty() || clockOrdinal > 0) {
        findClock(clockOrdinal, signals);
    }
    for (const int32_t slot : signals) {
        if (clockSignal_ && slot == *clockSignal_) continue;
        inputs_.push_back(slot);
        inputNames_.push_back("X" + std::to_string(inputs_.size()));
    }
}

CCircuitMachine::~CCircuitMachine() = default;

void CCircuitMachine::findClock(int clockOrdinal, const std::vector<int32_t>& signals) {
    if (clockOrdinal > 0) {
        if (static_cast<size_t>(clockOrdinal) > signals.size()) {
            error_ = fillPattern(texts::kNoClockSignal, {std::to_string(clockOrdinal)});
            return;
        }
        clockOrdinal_ = clockOrdinal;
    } else {
        const auto found = std::find_if(signals.begin(), signals.end(), [this](int32_t slot) {
            return reachesTriggerClock(copy_, copy_.blockElement(slot)->pins[kOutputPin]);
        });
        if (found == signals.end()) return;
        clockOrdinal_ = static_cast<int>(found - signals.begin()) + 1;
    }
    clockSignal_ = signals[static_cast<size_t>(clockOrdinal_ - 1)];
    stepKind_ = StepKind::ClockPulse;
    stepTicks_ = 2;
}

void CCircuitMachine::settle() {
    if (!simulator_->settle().settled) ++unsettled_;
}

void CCircuitMachine::switchPowerOn() {
    if (!simulator_->switchPowerOn().settled) ++unsettled_;
}

void CCircuitMachine::setTriggers(uint32_t combination) {
    for (size_t i = 0; i < triggers_.size(); ++i) {
        Pins& pins = copy_.blockElement(triggers_[i])->pins;
        const bool wanted = ((combination >> (triggers_.size() - 1 - i)) & 1u) != 0;
        if (pinLevel(pins[kTriggerQ]) == wanted) continue;
        pins[kTriggerQ].value = wanted ? 1 : 0;
        if (pins[kTriggerNotQ].present) pins[kTriggerNotQ].value = wanted ? 0 : 1;
    }
    settle();
}

void CCircuitMachine::applyInputs(uint32_t inputs) {
    for (size_t i = 0; i < inputs_.size(); ++i)
        copy_.blockElement(inputs_[i])->pins[kOutputPin].value =
            static_cast<uint8_t>((inputs >> (inputs_.size() - 1 - i)) & 1u);
    settle();
}

uint64_t CCircuitMachine::step() {
    switch (stepKind_) {
        case StepKind::None:
            return 1;
        case StepKind::ClockPulse: {
            Pin& clock = copy_.blockElement(*clockSignal_)->pins[kOutputPin];
            clock.value = 1;
            settle();
            clock.value = 0;
            settle();
            return 2;
        }
        case StepKind::Generators:
            for (uint64_t tick = 0; tick < stepTicks_; ++tick) simulator_->clockTick();
            return stepTicks_;
    }
    return 1;
}

std::vector<uint8_t> CCircuitMachine::outputs() const {
    std::vector<uint8_t> numbers;
    numbers.reserve(indicators_.size());
    for (const int32_t slot : indicators_)
        numbers.push_back(static_cast<uint8_t>(indicatorNumber(copy_.logicElement(slot)->pins)));
    return numbers;
}

std::string CCircuitMachine::state() const {
    std::string bits;
    for (const int32_t slot : triggers_)
        bits += pinLevel(copy_.blockElement(slot)->pins[kTriggerQ]) ? '1' : '0';
    for (const int32_t slot : stateGates_)
        bits += pinLevel(copy_.logicElement(slot)->pins[kOutputPin]) ? '1' : '0';
    return bits;
}

CircuitLevels CCircuitMachine::levels() const {
    CircuitLevels levels;
    for (const auto& element : copy_.logicElements)
        if (element)
            for (const Pin& pin : element->pins) levels.bytes.push_back(pin.value);
    for (const auto& block : copy_.blockElements) {
        if (!block) continue;
        for (const Pin& pin : block->pins) levels.bytes.push_back(pin.value);
        levels.bytes.insert(levels.bytes.end(),
                            {block->latchedJ, block->clockArmed, block->latchedK});
        levels.counters.push_back(block->tickCounter);
    }
    return levels;
}

void CCircuitMachine::restore(const CircuitLevels& levels) {
    auto byte = levels.bytes.begin();
    auto counter = levels.counters.begin();
    for (const auto& element : copy_.logicElements)
        if (element)
            for (Pin& pin : element->pins) pin.value = *byte++;
    for (const auto& block : copy_.blockElements) {
        if (!block) continue;
        for (Pin& pin : block->pins) pin.value = *byte++;
        block->latchedJ = *byte++;
        block->clockArmed = *byte++;
        block->latchedK = *byte++;
        block->tickCounter = *counter++;
    }
}

}  // namespace analysis
