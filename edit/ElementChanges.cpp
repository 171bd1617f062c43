#include "edit/ElementChanges.h"

#include <array>
#include <cstdio>
#include <optional>

#include "edit/AttachedEnds.h"
#include "platform/Shell.h"
#include "sim/Generator.h"

namespace edit {
namespace {

constexpr const char* kChangeParamsLine1 = "Изменить параметры";
constexpr const char* kChangeParamsLine2 = "логического элемента?";
constexpr const char* kFlipStateLine1 = "Изменить состояние";
constexpr const char* kFlipStateLine2 = "элемента на противоположное?";

constexpr const char* kLostOne =
    "%d проводник, подсоединенный к нижнему выводу, потеряет контакт с элементом!";
constexpr const char* kLostFew =
    "%d проводника, подсоединенных к нижним выводам, потеряют контакт с элементом!";
constexpr const char* kLostMany =
    "%d проводников, подсоединенных к нижним выводам, потеряют контакт с элементом!";

int wiredInputCount(const Pins& pins) {
    int count = 0;
    for (int p = 0; p < kFirstOutputPin; ++p) {
        if (pins[p].present && pins[p].connected) ++count;
    }
    return count;
}

// The next input pin at or after `from` that passes `wanted`, or kFirstOutputPin.
template <typename Wanted>
int nextInput(const Pins& pins, int from, Wanted wanted) {
    while (from < kFirstOutputPin && !wanted(pins[from])) ++from;
    return from;
}

// The number of wires to keep on the gate, or nothing when the user refused to lose any.
std::optional<int> keptConnections(EditContext& context, const Pins& pins, uint32_t inputCount) {
    const int wired = wiredInputCount(pins);
    const int available = static_cast<int>(inputCount);
    if (wired <= available) return wired;
    const bool accepted = context.shell.messageBox(lostWiresWarning(wired - available), "",
                                                   platform::MessageBoxStyle::OkCancelExclamation);
    if (!accepted) return std::nullopt;
    return available;
}

// A wire being drawn names its start pin before the pin is linked. While the gate is
// rebuilt that pin counts as wired, so the start end moves or lets go like the ends
// of finished wires instead of naming a pin the new layout may not have.
std::optional<int32_t> markStartPin(const EditContext& context, CLogicElement& gate) {
    if (!context.state.wireInProgress) return std::nullopt;
    const int32_t wire = *context.state.wireInProgress;
    const WireEnd* start = context.circuit.wireEnd(wire, 0);
    if (!start || start->kind != gate.kind || start->index != gate.index ||
        !isInputPin(start->slot))
        return std::nullopt;
    Pin& pin = gate.pins[start->slot];
    if (pin.connected) return std::nullopt;
    pin.connected = 1;
    pin.linkKind = kLinkWire;
    pin.wireIndex = wire;
    pin.wireEnd = 0;
    return wire;
}

// The start pin, wherever it went, is unlinked again until the wire is finished.
void unmarkStartPin(const CCircuit& circuit, CLogicElement& gate, int32_t wire) {
    const WireEnd* start = circuit.wireEnd(wire, 0);
    if (!start || start->kind != gate.kind || start->index != gate.index ||
        !isInputPin(start->slot))
        return;
    gate.pins[start->slot].connected = 0;
    gate.pins[start->slot].linkKind = kLinkNone;
}

void flipOutputs(CBlockElement& element) {
    Pin& output = element.pins[kOutputPin];
    Pin& secondOutput = element.pins[kSecondOutputPin];
    output.value = output.value ? 0 : 1;
    if (secondOutput.present) secondOutput.value = secondOutput.value ? 0 : 1;
}

void flipState(EditContext& context, CBlockElement& element) {
    if (!context.shell.questionDialog(kFlipStateLine1, kFlipStateLine2)) return;
    flipOutputs(element);
    context.state.elementChangedByUser = true;
    context.simulation.settle();
    context.state.toggleSettled = true;
    context.shell.invalidateWorkArea(false);
}

void changeTiming(EditContext& context, CBlockElement& generator) {
    const std::optional<GeneratorParams> params =
        context.shell.generatorDialog(sim::fromTicks(generator));
    if (!params || !withinLimits(*params)) return;
    const sim::GeneratorTicks ticks = sim::toTicks(*params);
    generator.setupGenerator(ticks.period, ticks.pulse, ticks.delay);
    context.state.elementChangedByUser = true;
}

}  // namespace

std::string lostWiresWarning(int lost) {
    const char* pattern = lost == 1 ? kLostOne : (lost >= 2 && lost <= 4 ? kLostFew : kLostMany);
    std::array<char, 256> text{};
    std::snprintf(text.data(), text.size(), pattern, lost);
    return text.data();
}

void changeLogicElement(EditContext& context, int32_t slot) {
    CLogicElement* element = context.circuit.logicElement(slot);
    if (!element || kindInfo(element->kind).ctrlClick != CtrlClick::ChangeGate) return;
    if (!context.shell.questionDialog(kChangeParamsLine1, kChangeParamsLine2)) return;
    const std::optional<LogicElementParams> params = context.shell.logicElementDialog(
        {element->isConjunction != 0, element->inputCount, element->inverted != 0});
    // What the dialog lets through is checked again: a count out of range would leave a
    // gate without a body.
    if (!params || !withinLimits(*params)) return;
    const std::optional<int32_t> drawnWire = markStartPin(context, *element);
    const std::optional<int> keep = keptConnections(context, element->pins, params->inputCount);
    // A changed gate differs in more than its levels, so the history sees it by itself;
    // the same parameters confirmed again change nothing to take back.
    if (keep) {
        changeLogicParameters(context.circuit, params->isConjunction, params->inverted,
                              static_cast<uint16_t>(params->inputCount), *keep, slot);
    }
    if (drawnWire) unmarkStartPin(context.circuit, *element, *drawnWire);
}

void changeLogicParameters(CCircuit& circuit, bool isConjunction, bool inverted,
                           uint16_t inputCount, int keepCount, int32_t slot) {
    CLogicElement* element = circuit.logicElement(slot);
    if (!element || !gateLayout(inputCount)) return;
    const CLogicElement scratch(isConjunction, inputCount, inverted);
    Pins newPins = scratch.pins;
    std::array<bool, kPinCount> moved{};
    auto isPresent = [](const Pin& pin) { return pin.present != 0; };
    auto isWired = [](const Pin& pin) { return pin.present && pin.connected; };
    int to = nextInput(newPins, 0, isPresent);
    int from = nextInput(element->pins, 0, isWired);
    for (int kept = 0; kept < keepCount && to < kFirstOutputPin && from < kFirstOutputPin; ++kept) {
        const Pin& oldPin = element->pins[from];
        newPins[to] = oldPin;
        if (WireEnd* end = circuit.wireEnd(oldPin.wireIndex, oldPin.wireEnd)) end->slot = to;
        moved[from] = true;
        to = nextInput(newPins, to + 1, isPresent);
        from = nextInput(element->pins, from + 1, isWired);
    }
    // Every other wired input lets go of its wire, which keeps a free end where it was.
    for (int p = 0; p < kFirstOutputPin; ++p) {
        const Pin& oldPin = element->pins[p];
        if (moved[p] || !oldPin.connected) continue;
        if (WireEnd* end = circuit.wireEnd(oldPin.wireIndex, oldPin.wireEnd)) end->kind = kLinkNone;
    }
    for (int p = 0; p < kFirstOutputPin; ++p) element->pins[p] = newPins[p];
    element->configure(isConjunction, inputCount, inverted);
    moveAttachedEnds(circuit, *element);
}

void changeBlockElement(EditContext& context, int32_t slot) {
    CBlockElement* element = context.circuit.blockElement(slot);
    if (!element) return;
    switch (kindInfo(element->kind).ctrlClick) {
        case CtrlClick::FlipState:
            flipState(context, *element);
            break;
        case CtrlClick::ChangeTiming:
            changeTiming(context, *element);
            break;
        default:
            break;
    }
}

}  // namespace edit
