#include "app/Vortafrm.h"
#include "edit/GroupGestures.h"
#include "edit/Selection.h"
#include "platform/Shell.h"
#include "render/Scrolling.h"
#include "render/WorkArea.h"

void CVortafrm::OnPaint(platform::Canvas& canvas) {
    const render::PointerItems following{edit_.pendingLogicElement.get(),
                                         edit_.pendingBlockElement.get(),
                                         edit_.wireInProgress,
                                         edit_.pendingGroup.get(),
                                         edit::chosenRects(circuit_, edit_.selection),
                                         edit::bandRect(edit_),
                                         edit::groupWires(circuit_, edit_.selection)};
    const Size client = shell_.clientSize();
    const Size shown{viewport_.workReach(client.width), viewport_.workReach(client.height)};
    render::paintWorkArea(canvas, circuit_, following, viewport_.atNaturalZoom(), powerOn_,
                          {0, 0, shown.width, shown.height}, shownWireLevels());
}

// A resize only moves the controls and sets the ranges; the offsets are clamped
// again by the next scroll message.
void CVortafrm::OnSize(int32_t width, int32_t height) {
    const Size client{width, height};
    render::layoutScrollBars(shell_, client, viewport_);
    render::layoutCornerButton(shell_, client);
}

// Every scroll message, of either direction, sets the thumb of its own bar and
// repaints the whole work area.
void CVortafrm::scrollAlong(platform::ScrollBarId bar, int code, int32_t thumbPosition) {
    viewport_ =
        render::offsetsAfterScroll(viewport_, bar, code, thumbPosition, shell_.clientSize());
    const bool vertical = bar == platform::ScrollBarId::Vertical;
    shell_.setScrollPos(bar, vertical ? viewport_.scrollY : viewport_.scrollX);
    shell_.invalidateWorkArea(true);
}

void CVortafrm::OnVScroll(int code, int32_t thumbPosition) {
    scrollAlong(platform::ScrollBarId::Vertical, code, thumbPosition);
}

void CVortafrm::OnHScroll(int code, int32_t thumbPosition) {
    scrollAlong(platform::ScrollBarId::Horizontal, code, thumbPosition);
}
