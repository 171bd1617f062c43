#include "app/Vortafrm.h"
#include "edit/MouseDispatch.h"

// The five pointer messages of the work area go to the mouse dispatch, which works
// on this window's circuit, editing state and scroll offsets. A press may begin an
// action, so it opens an undo step; a movement only carries on a gesture (at rest
// it changes nothing), and a release or a double click can only end one.
namespace {
using MouseHandler = void (*)(edit::EditContext&, uint32_t, Point);

void dispatch(CVortafrm& window, MouseHandler handler, uint32_t flags, Point point) {
    edit::EditContext context{window.circuit, window.edit, window.shell, window.scroll};
    handler(context, flags, point);
}
}  // namespace

void CVortafrm::OnMouseMove(uint32_t flags, Point point) {
    dispatch(*this, edit::OnMouseMove, flags, point);
}

void CVortafrm::OnLButtonDown(uint32_t flags, Point point) {
    openUndoStep();
    dispatch(*this, edit::OnLButtonDown, flags, point);
    closeUndoStepAtRest();
}

void CVortafrm::OnLButtonUp(uint32_t flags, Point point) {
    dispatch(*this, edit::OnLButtonUp, flags, point);
    closeUndoStepAtRest();
}

void CVortafrm::OnLButtonDblClk(uint32_t flags, Point point) {
    dispatch(*this, edit::OnLButtonDblClk, flags, point);
    closeUndoStepAtRest();
}

void CVortafrm::OnRButtonDown(uint32_t flags, Point point) {
    openUndoStep();
    dispatch(*this, edit::OnRButtonDown, flags, point);
    closeUndoStepAtRest();
}
