#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "edit/GroupGestures.h"
#include "edit/GroupTransfer.h"
#include "edit/MouseDispatch.h"
#include "edit/Selection.h"
#include "io/CircuitFile.h"
#include "platform/Shell.h"
#include "render/CircuitPicture.h"
#include "render/PictureArea.h"

// The commands on the chosen elements, Escape and the arrow keys. Each that changes
// the circuit is one undo step; a pasted group is one from the paste to the click
// that puts it down.
namespace {
constexpr int32_t kArrowStep = 5;

Point arrowMove(int command) {
    switch (command) {
        case command::EditMoveLeft:
            return {-kArrowStep, 0};
        case command::EditMoveRight:
            return {kArrowStep, 0};
        case command::EditMoveUp:
            return {0, -kArrowStep};
        default:
            return {0, kArrowStep};
    }
}
}  // namespace

bool CVortafrm::isGroupCommandEnabled(int id) const {
    if (id == command::EditCancel) return edit::canCancel(edit_);
    if (gestureUnderWay(edit_)) return false;
    switch (id) {
        case command::EditPaste:
            return shell_.clipboardMayHoldCircuit();
        case command::EditSelectAll:
            return !edit::everyElement(circuit_).empty();
        default:
            return !edit_.selection.empty();
    }
}

void CVortafrm::OnEditGroup(int id) {
    openUndoStep();
    edit::EditContext context = editContext();
    switch (id) {
        case command::EditCut:
            copySelection();
            edit::deleteSelection(context, false, {});
            break;
        case command::EditCopy:
            copySelection();
            break;
        case command::EditPaste:
            paste();
            break;
        case command::EditDelete: {
            const Rect shown = viewport_.toClientRect(edit::groupBounds(
                circuit_, edit_.selection, edit::groupWires(circuit_, edit_.selection)));
            const Point middle{shown.left + shown.width() / 2, shown.top + shown.height() / 2};
            const Point anchor = shell_.pointerPosition().value_or(middle);
            edit::deleteSelection(context, true, anchor);
            break;
        }
        case command::EditSelectAll:
            edit_.selection = edit::everyElement(circuit_);
            shell_.invalidateWorkArea(true);
            break;
        case command::EditCancel:
            edit::cancelUnderWay(context);
            break;
        default:
            if (edit::moveGroup(circuit_, edit_.selection, arrowMove(id)) != Point{})
                shell_.invalidateWorkArea(true);
            break;
    }
    closeUndoStepAtRest();
}

void CVortafrm::copySelection() {
    const CCircuit group = edit::copyGroup(circuit_, edit_.selection);
    const Rect area = render::pictureArea(group);
    shell_.putOnClipboard(io::encodeCircuit(group), {area.width(), area.height()},
                          render::circuitPainting(group, area, false));
}

// Whatever the clipboard holds that reads as a circuit with elements follows the
// pointer; anything else pastes nothing.
void CVortafrm::paste() {
    const std::optional<std::vector<uint8_t>> bytes = shell_.clipboardCircuit();
    CCircuit group;
    if (!bytes || !io::decodeCircuitFile(*bytes, group) || edit::everyElement(group).empty())
        return;
    edit::EditContext context = editContext();
    edit::beginPlacing(context, std::move(group), shell_.pointerPosition());
}

// After the view moved under a pointer that stayed, what follows the pointer goes
// where the pointer now shows.
void CVortafrm::followPointerAfterViewChange() {
    if (!gestureUnderWay(edit_)) return;
    if (const std::optional<Point> pointer = shell_.pointerPosition())
        dispatchMouse(edit::OnMouseMove, 0, *pointer);
}
