#include "render/Zooming.h"

#include <algorithm>
#include <cstdlib>

#include "model/Grid.h"
#include "render/Scrolling.h"

namespace render {

int32_t steppedZoom(int32_t zoom, int steps) {
    const int32_t* const first = std::begin(kZoomSteps);
    const int32_t* const last = std::end(kZoomSteps);
    // The step at or above the zoom when growing, at or below it when shrinking.
    const int32_t* at = std::lower_bound(first, last, zoom);
    if (steps < 0 && (at == last || *at != zoom)) {
        if (at == first) return *first;
        --at;
        ++steps;
    } else if (steps > 0 && at != last && *at != zoom) {
        --steps;
    }
    const std::ptrdiff_t index =
        std::clamp<std::ptrdiff_t>(at - first + steps, 0, last - first - 1);
    return first[index];
}

namespace {
// The offset that keeps `work` at client coordinate `anchor` at the new zoom.
int32_t anchoredOffset(int32_t work, int32_t anchor, const Viewport& zoomed, int32_t clientExtent) {
    const Viewport unscrolled{0, 0, zoomed.zoom};
    const int32_t wanted = snapToGrid(work - unscrolled.workExtent(anchor));
    return snapToGrid(scrolledOffset(0, ThumbPosition, wanted, zoomed.workExtent(clientExtent)));
}
}  // namespace

Viewport zoomedAbout(const Viewport& view, int32_t zoom, Point anchor, Size client) {
    const Point work = view.toWorkArea(anchor);
    Viewport zoomed = view;
    zoomed.zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    zoomed.scrollX = anchoredOffset(work.x, anchor.x, zoomed, client.width);
    zoomed.scrollY = anchoredOffset(work.y, anchor.y, zoomed, client.height);
    return zoomed;
}

Viewport scrolledByLines(Viewport view, platform::ScrollBarId bar, int32_t lines, Size client) {
    // More lines than the work area holds would only come up against its edge.
    constexpr int32_t kMostLines = kWorkAreaSize / kLineStep;
    const int code = lines < 0 ? LineUp : LineDown;
    for (int32_t step = 0; step < std::min(std::abs(lines), kMostLines); ++step)
        view = offsetsAfterScroll(view, bar, code, 0, client);
    return view;
}

}  // namespace render
