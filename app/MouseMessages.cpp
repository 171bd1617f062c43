#include "app/Vortafrm.h"
#include "edit/MouseDispatch.h"

// The five pointer messages of the work area go to the mouse dispatch, which works
// on this window's circuit, editing state and scroll offsets.
namespace {
edit::EditContext editContext(CVortafrm& window) {
    return {window.circuit, window.edit, window.shell, window.scroll};
}
}  // namespace

void CVortafrm::OnMouseMove(uint32_t flags, Point point) {
    edit::EditContext context = editContext(*this);
    edit::OnMouseMove(context, flags, point);
}

void CVortafrm::OnLButtonDown(uint32_t flags, Point point) {
    edit::EditContext context = editContext(*this);
    edit::OnLButtonDown(context, flags, point);
}

void CVortafrm::OnLButtonUp(uint32_t flags, Point point) {
    edit::EditContext context = editContext(*this);
    edit::OnLButtonUp(context, flags, point);
}

void CVortafrm::OnLButtonDblClk(uint32_t flags, Point point) {
    edit::EditContext context = editContext(*this);
    edit::OnLButtonDblClk(context, flags, point);
}

void CVortafrm::OnRButtonDown(uint32_t flags, Point point) {
    edit::EditContext context = editContext(*this);
    edit::OnRButtonDown(context, flags, point);
}
