#include "render/Scrolling.h"

#include <algorithm>

#include "model/Grid.h"

namespace render {

int32_t pageStep(int32_t clientExtent) {
    return 2 * (clientExtent / 3) / 5 * 5;
}

int32_t scrolledOffset(int32_t offset, int code, int32_t thumbPosition, int32_t clientExtent) {
    // Wide arithmetic: the thumb position comes from outside and may be anything.
    int64_t moved = offset;
    if (code == LineUp) {
        moved -= kLineStep;
    } else if (code == LineDown) {
        moved += kLineStep;
    } else if (code == PageUp) {
        moved -= pageStep(clientExtent);
    } else if (code == PageDown) {
        moved += pageStep(clientExtent);
    } else if (code & ThumbPosition) {
        // Thumb position and track, top and bottom all carry the new offset.
        moved = thumbPosition;
    }
    if (moved < 0) moved = 0;
    if (clientExtent + moved > kWorkAreaSize) moved = int64_t{kWorkAreaSize} - clientExtent;
    return static_cast<int32_t>(moved);
}

Viewport offsetsAfterScroll(Viewport view, platform::ScrollBarId bar, int code,
                            int32_t thumbPosition, Size client) {
    if (bar == platform::ScrollBarId::Vertical) {
        view.scrollY =
            scrolledOffset(view.scrollY, code, thumbPosition, view.workExtent(client.height));
    } else {
        view.scrollX =
            scrolledOffset(view.scrollX, code, thumbPosition, view.workExtent(client.width));
    }
    view.scrollX = snapToGrid(view.scrollX);
    view.scrollY = snapToGrid(view.scrollY);
    return view;
}

namespace {
// A window squeezed below the bar thickness still gets controls of no negative size.
Rect placed(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + std::max(width, 0), top + std::max(height, 0)};
}
}  // namespace

void layoutScrollBars(platform::Shell& shell, Size client, const Viewport& view) {
    shell.setScrollRange(platform::ScrollBarId::Vertical, 0,
                         kWorkAreaSize - view.workExtent(client.height));
    shell.moveControl(platform::ControlId::VerticalBar,
                      placed(0, 0, kBarThickness, client.height - kBarThickness));
    shell.setScrollPage(platform::ScrollBarId::Vertical,
                        view.workExtent(std::max(client.height - kBarThickness, 0)));
    shell.setScrollRange(platform::ScrollBarId::Horizontal, 0,
                         kWorkAreaSize - view.workExtent(client.width));
    shell.moveControl(platform::ControlId::HorizontalBar,
                      placed(kBarThickness, client.height - kBarThickness,
                             client.width - kBarThickness, kBarThickness));
    shell.setScrollPage(platform::ScrollBarId::Horizontal,
                        view.workExtent(std::max(client.width - kBarThickness, 0)));
}

void layoutCornerButton(platform::Shell& shell, Size client) {
    shell.moveControl(platform::ControlId::CornerButton,
                      placed(0, client.height - kBarThickness, kBarThickness, kBarThickness));
}

}  // namespace render
