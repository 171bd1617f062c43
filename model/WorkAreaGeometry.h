#pragma once
#include <cstdint>

#include "model/Geometry.h"

// The work area is a 2048 x 2048 pixel plane seen through the client area, which
// the vertical scroll bar borders on the left and the horizontal one at the bottom.
constexpr int32_t kWorkAreaSize = 2048;
constexpr int32_t kBarThickness = 17;

// The client rectangle part that shows the work area: right of the vertical bar
// and above the horizontal one.
constexpr Rect workAreaRect(Size client) {
    return {kBarThickness, 0, client.width, client.height - kBarThickness};
}
