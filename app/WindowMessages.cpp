#include "app/Vortafrm.h"
#include "model/Grid.h"
#include "platform/Shell.h"
#include "render/Scrolling.h"
#include "render/WorkArea.h"

void CVortafrm::OnPaint(platform::Canvas& canvas) {
    render::paintWorkArea(canvas, circuit, edit, scroll, powerOn);
}

// A resize only moves the controls and sets the ranges; the offsets are clamped
// again by the next scroll message.
void CVortafrm::OnSize(int32_t width, int32_t height) {
    const Size client{width, height};
    render::layoutScrollBars(shell, client);
    render::layoutCornerButton(shell, client);
}

namespace {
// Every scroll message, of either direction, leaves both offsets on the grid,
// sets the thumb of its own bar and repaints the whole work area.
void finishScroll(platform::Shell& shell, ScrollOffsets& scroll, platform::ScrollBarId bar) {
    scroll.x = snapToGrid(scroll.x);
    scroll.y = snapToGrid(scroll.y);
    shell.setScrollPos(bar, bar == platform::ScrollBarId::Vertical ? scroll.y : scroll.x);
    shell.invalidateWorkArea(true);
}
}  // namespace

void CVortafrm::OnVScroll(int code, int32_t thumbPosition) {
    scroll.y = render::scrolledOffset(scroll.y, code, thumbPosition, shell.clientSize().height);
    finishScroll(shell, scroll, platform::ScrollBarId::Vertical);
}

void CVortafrm::OnHScroll(int code, int32_t thumbPosition) {
    scroll.x = render::scrolledOffset(scroll.x, code, thumbPosition, shell.clientSize().width);
    finishScroll(shell, scroll, platform::ScrollBarId::Horizontal);
}
