#include "app/Vortafrm.h"
#include "edit/MouseDispatch.h"

// The five pointer messages of the work area go to the mouse dispatch, which works
// on this window's circuit, editing state and viewport. A press may begin an
// action, so it opens an undo step; a movement only carries on a gesture (at rest
// it changes nothing), and a release or a double click can only end one.
edit::EditContext CVortafrm::editContext() {
    return {circuit_, edit_, shell_, viewport_, simulation_};
}

void CVortafrm::dispatchMouse(MouseHandler handler, uint32_t flags, Point point) {
    edit::EditContext context = editContext();
    handler(context, flags, point);
    if (edit_.toggleSettled) timing_.recordManualChange(circuit_);
    edit_.toggleSettled = false;
}

void CVortafrm::OnMouseMove(uint32_t flags, Point point) {
    dispatchMouse(edit::OnMouseMove, flags, point);
    afterMessage();
}

void CVortafrm::OnLButtonDown(uint32_t flags, Point point) {
    openUndoStep();
    dispatchMouse(edit::OnLButtonDown, flags, point);
    closeUndoStepAtRest();
    afterMessage();
}

void CVortafrm::OnLButtonUp(uint32_t flags, Point point) {
    dispatchMouse(edit::OnLButtonUp, flags, point);
    closeUndoStepAtRest();
    afterMessage();
}

void CVortafrm::OnLButtonDblClk(uint32_t flags, Point point) {
    dispatchMouse(edit::OnLButtonDblClk, flags, point);
    closeUndoStepAtRest();
    afterMessage();
}

void CVortafrm::OnRButtonDown(uint32_t flags, Point point) {
    openUndoStep();
    dispatchMouse(edit::OnRButtonDown, flags, point);
    closeUndoStepAtRest();
    afterMessage();
}
