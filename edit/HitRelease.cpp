#include "edit/HitRelease.h"

#include "platform/Shell.h"

namespace edit {
namespace {

template <typename Unmark>
void release(EditContext& context, std::optional<HitList>& hits, Unmark unmark) {
    if (!hits) return;
    for (int32_t slot : hits->slots) unmark(slot);
    hits.reset();
    context.shell.invalidateWorkArea(true);
}

}  // namespace

void releaseLogicHits(EditContext& context) {
    release(context, context.state.logicHits, [&](int32_t slot) {
        if (CLogicElement* element = context.circuit.logicElement(slot)) element->drawState = 0;
    });
}

void releaseBlockHits(EditContext& context) {
    release(context, context.state.blockHits, [&](int32_t slot) {
        if (CBlockElement* element = context.circuit.blockElement(slot)) element->drawState = 0;
    });
}

void releaseWireHits(EditContext& context) {
    release(context, context.state.wireHits, [&](int32_t slot) {
        if (CWire* wire = context.circuit.wire(slot)) wire->highlighted = 0;
    });
}

}  // namespace edit
