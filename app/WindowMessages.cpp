#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "render/Scrolling.h"
#include "render/WorkArea.h"

void CVortafrm::OnPaint(platform::Canvas& canvas) {
    const render::PointerItems following{edit.pendingLogicElement.get(),
                                         edit.pendingBlockElement.get(), edit.wireInProgress};
    const Size client = shell.clientSize();
    render::paintWorkArea(canvas, circuit, following, scroll, powerOn,
                          {0, 0, client.width, client.height});
}

// A resize only moves the controls and sets the ranges; the offsets are clamped
// again by the next scroll message.
void CVortafrm::OnSize(int32_t width, int32_t height) {
    const Size client{width, height};
    render::layoutScrollBars(shell, client);
    render::layoutCornerButton(shell, client);
}

namespace {

// Every scroll message, of either direction, sets the thumb of its own bar and
// repaints the whole work area.
void scrollAlong(CVortafrm& window, platform::ScrollBarId bar, int code, int32_t thumbPosition) {
    window.scroll = render::offsetsAfterScroll(window.scroll, bar, code, thumbPosition,
                                               window.shell.clientSize());
    const bool vertical = bar == platform::ScrollBarId::Vertical;
    window.shell.setScrollPos(bar, vertical ? window.scroll.scrollY : window.scroll.scrollX);
    window.shell.invalidateWorkArea(true);
}

}  // namespace

void CVortafrm::OnVScroll(int code, int32_t thumbPosition) {
    scrollAlong(*this, platform::ScrollBarId::Vertical, code, thumbPosition);
}

void CVortafrm::OnHScroll(int code, int32_t thumbPosition) {
    scrollAlong(*this, platform::ScrollBarId::Horizontal, code, thumbPosition);
}
