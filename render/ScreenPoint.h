#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

namespace render {

// Where a work-area coordinate plus an offset inside a record shows on the client
// area. Records read from a file may hold any coordinate, so the sum is formed wide
// and kept inside the canvas's range instead of overflowing.
constexpr int32_t toScreen(int32_t workArea, int32_t delta, int32_t scroll) {
    const int64_t screen = int64_t{workArea} + delta - scroll;
    return static_cast<int32_t>(std::clamp<int64_t>(screen, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace render
