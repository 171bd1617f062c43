#pragma once
#include <cstdint>

#include "model/Geometry.h"
#include "model/Viewport.h"
#include "platform/Shell.h"

namespace render {

// The zooms the view steps through, in percent, smallest first.
inline constexpr int32_t kZoomSteps[] = {25, 50, 75, 100, 150, 200, 300, 400};
inline constexpr int32_t kSmallestZoom = kZoomSteps[0];
inline constexpr int32_t kLargestZoom = kZoomSteps[std::size(kZoomSteps) - 1];

// The zoom `steps` steps larger (or smaller, when negative) than `zoom`, which need
// not be a step itself; it stops at the smallest and the largest.
int32_t steppedZoom(int32_t zoom, int steps);

// The view at `zoom` (kept inside the steps' range) with the work-area point under
// the client point `anchor` still under it, as nearly as offsets on the grid allow,
// and the offsets inside the work area as a scroll message keeps them.
Viewport zoomedAbout(const Viewport& view, int32_t zoom, Point anchor, Size client);

// The view after `lines` line steps of the bar's direction (negative: up or left),
// each as the bar's arrow makes it.
Viewport scrolledByLines(Viewport view, platform::ScrollBarId bar, int32_t lines, Size client);

}  // namespace render
