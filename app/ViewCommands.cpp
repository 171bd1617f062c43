#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "render/Scrolling.h"
#include "render/Zooming.h"

namespace {
// A notch of the wheel is 120 and moves the view three lines, as three clicks on a
// scroll bar's arrow would; a touchpad sends the same in smaller parts.
constexpr int32_t kNotch = 120;
constexpr int32_t kTurnPerLine = kNotch / 3;

// Whole units of `unit` in what has turned so far, the rest kept for later.
int32_t takeWhole(int32_t& turned, int32_t unit) {
    const int32_t whole = turned / unit;
    turned -= whole * unit;
    return whole;
}

Point middleOf(const Rect& rect) {
    return {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
}
}  // namespace

void CVortafrm::OnMouseWheel(uint32_t flags, Point turn, Point point) {
    if (flags & platform::MK_CONTROL) {
        wheelZoomRest_ += turn.y + turn.x;
        const int32_t steps = takeWhole(wheelZoomRest_, kNotch);
        if (steps != 0) zoomAbout(render::steppedZoom(viewport_.zoom, steps), point);
        return;
    }
    if (flags & platform::MK_SHIFT) turn = {turn.x + turn.y, 0};
    wheelScrollRest_.x += turn.x;
    wheelScrollRest_.y += turn.y;
    const int32_t left = takeWhole(wheelScrollRest_.x, kTurnPerLine);
    const int32_t up = takeWhole(wheelScrollRest_.y, kTurnPerLine);
    if (left == 0 && up == 0) return;
    const Size client = shell_.clientSize();
    const Viewport before = viewport_;
    viewport_ =
        render::scrolledByLines(viewport_, platform::ScrollBarId::Horizontal, -left, client);
    viewport_ = render::scrolledByLines(viewport_, platform::ScrollBarId::Vertical, -up, client);
    if (viewport_ == before) return;
    showScrollPositions();
    shell_.invalidateWorkArea(true);
    followPointerAfterViewChange();
}

void CVortafrm::restoreZoom(int32_t zoom) {
    zoomAbout(zoom, {0, 0});
}

void CVortafrm::OnViewZoom(int command) {
    const int32_t zoom = command == command::ViewZoomIn    ? render::steppedZoom(viewport_.zoom, 1)
                         : command == command::ViewZoomOut ? render::steppedZoom(viewport_.zoom, -1)
                                                           : Viewport::kNaturalZoom;
    zoomAbout(zoom, middleOf(workAreaRect(shell_.clientSize())));
}

void CVortafrm::zoomAbout(int32_t zoom, Point anchor) {
    const Size client = shell_.clientSize();
    const Viewport zoomed = render::zoomedAbout(viewport_, zoom, anchor, client);
    if (zoomed == viewport_) return;
    viewport_ = zoomed;
    render::layoutScrollBars(shell_, client, viewport_);
    showScrollPositions();
    shell_.invalidateWorkArea(true);
    shell_.zoomChanged(viewport_.zoom);
    followPointerAfterViewChange();
}

void CVortafrm::showScrollPositions() {
    shell_.setScrollPos(platform::ScrollBarId::Horizontal, viewport_.scrollX);
    shell_.setScrollPos(platform::ScrollBarId::Vertical, viewport_.scrollY);
}
