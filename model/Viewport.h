#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/Geometry.h"

// The part of the work area that the client area shows: the scroll offsets in
// pixels, always multiples of 5. Work-area point (x, y) shows at client point
// (x - scrollX, y - scrollY). Every conversion between the two goes through here.
// Records read from a file may hold any coordinate, and a picture of them sees the
// work area from anywhere, so both conversions are formed wide and kept inside a
// coordinate's range instead of overflowing.
struct Viewport {
    int32_t scrollX = 0;
    int32_t scrollY = 0;
    friend bool operator==(const Viewport&, const Viewport&) = default;

    // The work-area point under a client point.
    constexpr Point toWorkArea(Point client) const {
        return {clamped(int64_t{client.x} + scrollX), clamped(int64_t{client.y} + scrollY)};
    }

    // Where a work-area point, moved by `offset` inside its record, shows in the
    // client area.
    constexpr Point toClient(Point work, Point offset = {}) const {
        return {clamped(int64_t{work.x} + offset.x - scrollX),
                clamped(int64_t{work.y} + offset.y - scrollY)};
    }

  private:
    static constexpr int32_t clamped(int64_t coordinate) {
        return static_cast<int32_t>(std::clamp<int64_t>(
            coordinate, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    }
};
