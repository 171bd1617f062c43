#include "edit/Insertion.h"

#include <memory>

#include "platform/Shell.h"
#include "sim/Generator.h"

namespace edit {
namespace {

// A new gate starts as a two-input conjunctor without inversion.
constexpr LogicElementParams kNewGatePreset{true, 2, false};
constexpr GeneratorParams kNewGeneratorPreset{1.0f, 0.5f, 0.0f};

// The first grid column right of the 17-pixel vertical scroll bar, so that an element
// started without the pointer is not half hidden under the bar.
constexpr Point kVisibleTopLeft{20, 0};

bool contains(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// Work-area position of a new element: the pointer on the grid when it is over the
// work area, else the visible top-left corner.
Point startPosition(const EditContext& context, std::optional<Point> pointer) {
    if (pointer && contains(workAreaRect(context.shell.clientSize()), *pointer))
        return context.viewport.toSnappedWorkArea(*pointer);
    return context.viewport.toSnappedWorkArea(kVisibleTopLeft);
}

template <typename Element>
void holdPending(EditContext& context, std::unique_ptr<Element>& pending,
                 std::unique_ptr<Element> element, std::optional<Point> pointer) {
    const Point at = startPosition(context, pointer);
    element->setPosition(at.x, at.y);
    pending = std::move(element);
    context.shell.invalidateRect(clientRect(*pending, context.viewport), true);
}

// A kind whose command asks nothing, laid out by its description, waits in the
// pending slot of its table.
void insertPlain(EditContext& context, ElementKind kind, std::optional<Point> pointer) {
    EditState& state = context.state;
    if (isLogicTableKind(kind)) {
        if (!state.pendingLogicElement)
            holdPending(context, state.pendingLogicElement, std::make_unique<CLogicElement>(kind),
                        pointer);
    } else if (!state.pendingBlockElement) {
        holdPending(context, state.pendingBlockElement, std::make_unique<CBlockElement>(kind),
                    pointer);
    }
}

void insertGate(EditContext& context, std::optional<Point> pointer) {
    if (context.state.pendingLogicElement) return;
    const std::optional<LogicElementParams> params =
        context.shell.logicElementDialog(kNewGatePreset);
    // What the dialog lets through is checked again: a count out of range would make a
    // gate without a body.
    if (!params || !withinLimits(*params)) return;
    auto gate = std::make_unique<CLogicElement>(
        params->isConjunction, static_cast<uint16_t>(params->inputCount), params->inverted);
    holdPending(context, context.state.pendingLogicElement, std::move(gate), pointer);
}

// The dialog opens even while a block element is waiting; its answer is then dropped.
void insertGenerator(EditContext& context, ElementKind kind, std::optional<Point> pointer) {
    const std::optional<GeneratorParams> params =
        context.shell.generatorDialog(kNewGeneratorPreset);
    if (!params || !withinLimits(*params) || context.state.pendingBlockElement) return;
    auto generator = std::make_unique<CBlockElement>(kind);
    const sim::GeneratorTicks ticks = sim::toTicks(*params);
    generator->setupGenerator(ticks.period, ticks.pulse, ticks.delay);
    holdPending(context, context.state.pendingBlockElement, std::move(generator), pointer);
}

}  // namespace

void insertElement(EditContext& context, ElementKind kind, std::optional<Point> pointer) {
    const ElementKindInfo& info = kindInfo(kind);
    switch (info.insertDialog) {
        case InsertDialog::Gate:
            insertGate(context, pointer);
            break;
        case InsertDialog::Generator:
            insertGenerator(context, kind, pointer);
            break;
        case InsertDialog::None:
            insertPlain(context, kind, pointer);
            break;
    }
    if (info.insertRepaints) context.shell.invalidateWorkArea(true);
}

}  // namespace edit
