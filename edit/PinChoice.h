#pragma once
#include <cstdint>
#include <optional>

#include "edit/EditContext.h"
#include "platform/Shell.h"

namespace edit {

// A pin the user picked on an element, with the element's own kind.
struct ChosenPin {
    ElementKind kind = LogicElement;
    int32_t slot = 0;
    int32_t pin = 0;
};

// What the pin-choice dialog shows for the element in that kind's table: its pins,
// body bitmap and size, and for a gate also its output mark and type glyph.
// Nothing when the slot is empty.
std::optional<platform::PinChoiceRequest> pinChoiceRequest(const CCircuit& circuit,
                                                           ElementKind kind, int32_t slot);

// Asks the user for a pin of the element. A pin comes back only when the dialog
// ended with one that the element has and that carries no wire yet.
std::optional<ChosenPin> choosePin(EditContext& context, ElementKind kind, int32_t slot);

}  // namespace edit
