#include "edit/PinChoice.h"

namespace edit {
namespace {

platform::PinChoiceRequest requestFor(const CLogicElement& element) {
    const ElementKindInfo& info = kindInfo(element.kind);
    platform::PinChoiceRequest request{element.pins, element.bodyBitmap, element.width,
                                       element.height};
    if (info.gateMarks) {
        request.outputBitmap = element.outputBitmap;
        request.symbolBitmap = element.glyphBitmap();
    }
    request.twoOutputs = hasTwoOutputs(info);
    return request;
}

platform::PinChoiceRequest requestFor(const CBlockElement& element) {
    platform::PinChoiceRequest request{element.pins, element.shownBitmap(), element.width,
                                       element.height};
    request.twoOutputs = hasTwoOutputs(kindInfo(element.kind));
    return request;
}

// What `visit` makes of the element in the table the kind selects, or nothing for
// an empty slot.
template <typename Result, typename Visit>
std::optional<Result> onElement(const CCircuit& circuit, ElementKind kind, int32_t slot,
                                Visit visit) {
    if (isLogicTableKind(kind)) {
        const CLogicElement* element = circuit.logicElement(slot);
        return element ? std::optional<Result>(visit(*element)) : std::nullopt;
    }
    const CBlockElement* element = circuit.blockElement(slot);
    return element ? std::optional<Result>(visit(*element)) : std::nullopt;
}

}  // namespace

std::optional<platform::PinChoiceRequest> pinChoiceRequest(const CCircuit& circuit,
                                                           ElementKind kind, int32_t slot) {
    return onElement<platform::PinChoiceRequest>(
        circuit, kind, slot, [](const auto& element) { return requestFor(element); });
}

std::optional<ChosenPin> choosePin(EditContext& context, ElementKind kind, int32_t slot) {
    const std::optional<platform::PinChoiceRequest> request =
        pinChoiceRequest(context.circuit, kind, slot);
    if (!request) return std::nullopt;
    const std::optional<int> pin = context.shell.pinChoiceDialog(*request);
    if (!pin || !isPinNumber(*pin)) return std::nullopt;
    const Pin& chosen = request->pins[static_cast<size_t>(*pin)];
    if (!chosen.present || chosen.connected) return std::nullopt;
    const auto ownKind = onElement<ElementKind>(context.circuit, kind, slot,
                                                [](const auto& element) { return element.kind; });
    return ChosenPin{ownKind.value_or(kind), slot, *pin};
}

}  // namespace edit
