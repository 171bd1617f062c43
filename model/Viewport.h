#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/Geometry.h"
#include "model/Grid.h"

// The part of the work area that the client area shows: the scroll offsets in
// work-area pixels, always multiples of 5, and the zoom in percent. Work-area point
// (x, y) shows at client point ((x - scrollX) * zoom / 100, (y - scrollY) * zoom / 100),
// and a client point shows the work-area pixel it falls in. Every conversion between
// the two goes through here. Records read from a file may hold any coordinate, and a
// picture of them sees the work area from anywhere, so both conversions are formed
// wide and kept inside a coordinate's range instead of overflowing.
struct Viewport {
    static constexpr int32_t kNaturalZoom = 100;

    int32_t scrollX = 0;
    int32_t scrollY = 0;
    int32_t zoom = kNaturalZoom;
    friend bool operator==(const Viewport&, const Viewport&) = default;

    // The work-area point under a client point.
    constexpr Point toWorkArea(Point client) const {
        return {clamped(workLength(client.x) + scrollX), clamped(workLength(client.y) + scrollY)};
    }

    // The work-area point under a client point, on the grid: the client point is put
    // on the grid of the zoomed picture, so at the natural zoom a pointer just left of
    // the area lands where it always has.
    constexpr Point toSnappedWorkArea(Point client) const {
        return {clamped(int64_t{snapToGrid(clamped(workLength(client.x)))} + scrollX),
                clamped(int64_t{snapToGrid(clamped(workLength(client.y)))} + scrollY)};
    }

    // Where a work-area point, moved by `offset` inside its record, shows in the
    // client area.
    constexpr Point toClient(Point work, Point offset = {}) const {
        return {clamped(clientLength(int64_t{work.x} + offset.x - scrollX)),
                clamped(clientLength(int64_t{work.y} + offset.y - scrollY))};
    }

    // A work-area rectangle in client coordinates, grown to whole client pixels.
    constexpr Rect toClientRect(const Rect& work) const {
        const Point topLeft = toClient(Point{work.left, work.top});
        return {topLeft.x, topLeft.y, clamped(clientReach(int64_t{work.right} - scrollX)),
                clamped(clientReach(int64_t{work.bottom} - scrollY))};
    }

    // How many work-area pixels a client extent shows, rounded down.
    constexpr int32_t workExtent(int32_t clientExtent) const {
        return clamped(workLength(clientExtent));
    }

    // How many work-area pixels a client extent touches, rounded up.
    constexpr int32_t workReach(int32_t clientExtent) const {
        return clamped(-floorDivided(-int64_t{clientExtent} * kNaturalZoom, zoom));
    }

    // A client length that covers at least `work` work-area pixels.
    constexpr int32_t clientExtent(int32_t work) const { return clamped(clientReach(work)); }

    // The same offsets seen at the natural zoom: what a picture drawn for this view
    // is drawn with before it is magnified.
    constexpr Viewport atNaturalZoom() const { return {scrollX, scrollY, kNaturalZoom}; }

  private:
    static constexpr int64_t floorDivided(int64_t value, int64_t divisor) {
        const int64_t quotient = value / divisor;
        return quotient * divisor > value ? quotient - 1 : quotient;
    }
    constexpr int64_t workLength(int64_t client) const {
        return floorDivided(client * kNaturalZoom, zoom);
    }
    constexpr int64_t clientLength(int64_t work) const {
        return floorDivided(work * zoom, kNaturalZoom);
    }
    constexpr int64_t clientReach(int64_t work) const {
        return -floorDivided(-work * zoom, kNaturalZoom);
    }
    static constexpr int32_t clamped(int64_t coordinate) {
        return static_cast<int32_t>(std::clamp<int64_t>(
            coordinate, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    }
};
