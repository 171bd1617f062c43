#include "app/Vortafrm.h"
#include "edit/MouseDispatch.h"

// The five pointer messages of the work area go to the mouse dispatch, which works
// on this window's circuit, editing state and scroll offsets.
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
    dispatch(*this, edit::OnLButtonDown, flags, point);
}

void CVortafrm::OnLButtonUp(uint32_t flags, Point point) {
    dispatch(*this, edit::OnLButtonUp, flags, point);
}

void CVortafrm::OnLButtonDblClk(uint32_t flags, Point point) {
    dispatch(*this, edit::OnLButtonDblClk, flags, point);
}

void CVortafrm::OnRButtonDown(uint32_t flags, Point point) {
    dispatch(*this, edit::OnRButtonDown, flags, point);
}
