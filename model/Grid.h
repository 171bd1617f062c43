#pragma once
#include <cstdint>

// Rounds to a multiple of 5 by the remainder of truncating division (which has the
// sign of v): remainders up to 2 round down, 3 and 4 round up. For the non-negative
// coordinates of the work area this is the nearest multiple (12 -> 10, 13 -> 15);
// a negative value only ever moves toward zero (-3 -> 0, -8 -> -5).
constexpr int32_t snapToGrid(int32_t v) {
    const int32_t r = v % 5;
    return r < 3 ? v - r : v - r + 5;
}
