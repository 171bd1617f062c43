#include "app/Vortafrm.h"
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

// Every scroll message, of either direction, sets the thumb of its own bar and
// repaints the whole work area.
void CVortafrm::OnVScroll(int code, int32_t thumbPosition) {
    using platform::ScrollBarId;
    scroll = render::offsetsAfterScroll(scroll, ScrollBarId::Vertical, code, thumbPosition,
                                        shell.clientSize());
    shell.setScrollPos(ScrollBarId::Vertical, scroll.y);
    shell.invalidateWorkArea(true);
}

void CVortafrm::OnHScroll(int code, int32_t thumbPosition) {
    using platform::ScrollBarId;
    scroll = render::offsetsAfterScroll(scroll, ScrollBarId::Horizontal, code, thumbPosition,
                                        shell.clientSize());
    shell.setScrollPos(ScrollBarId::Horizontal, scroll.x);
    shell.invalidateWorkArea(true);
}
