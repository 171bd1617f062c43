#pragma once
#include <cstdint>

#include "model/Viewport.h"
#include "web/Bitmaps.h"

namespace web {

// Fills `shown` with the natural-size picture magnified by the view's zoom, the
// client pixel at (x, y) taken from the work-area pixels it covers: by whole pixels,
// crisp, when the picture grows, and as the average of the pixels it gathers, so
// that text stays readable, when it shrinks.
void magnify(const Picture& natural, const Viewport& view, Picture& shown);

}  // namespace web
