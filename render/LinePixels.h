#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "model/Geometry.h"

// The pixels a line covers, with the rules of the desktop's line drawing, visited
// only inside a clip rectangle (right and bottom exclusive) so that a line far
// longer than the picture costs only what it shows. Work-area coordinates may be
// anywhere in the 32-bit range; the arithmetic is exact.
namespace render {

namespace line_pixels {

__extension__ using Wide = __int128;

// The floor of num / den, den > 0.
inline int64_t floorDivide(Wide num, int64_t den) {
    Wide quotient = num / den;
    if (num % den != 0 && num < 0) --quotient;
    return static_cast<int64_t>(quotient);
}

}  // namespace line_pixels

// Squared distances from points to the segment a-b.
class SegmentDistance {
  public:
    SegmentDistance(double ax, double ay, double bx, double by)
        : ax_(ax), ay_(ay), dx_(bx - ax), dy_(by - ay) {
        const double lengthSquared = dx_ * dx_ + dy_ * dy_;
        inverseLengthSquared_ = lengthSquared > 0 ? 1 / lengthSquared : 0;
    }
    double squaredFrom(double px, double py) const {
        const double t =
            std::clamp(((px - ax_) * dx_ + (py - ay_) * dy_) * inverseLengthSquared_, 0.0, 1.0);
        const double ex = ax_ + t * dx_ - px, ey = ay_ + t * dy_ - py;
        return ex * ex + ey * ey;
    }

  private:
    double ax_, ay_, dx_, dy_;
    double inverseLengthSquared_;
};

namespace line_pixels {

// A thin line as steps k in [0, count): step k lies at along(k) = majorStart +
// sign * k on the longer axis and across(k) = minorStart + floor((a * k + b) / d)
// on the other.
struct ThinSteps {
    bool alongX = true;
    int64_t majorStart = 0, minorStart = 0, sign = 1, count = 0;
    int64_t a = 0, b = 0, d = 1;
};

inline ThinSteps thinSteps(Point from, Point to) {
    int64_t dx = int64_t{to.x} - from.x, dy = int64_t{to.y} - from.y;
    const bool straight = dx == 0 || dy == 0;
    ThinSteps steps;
    steps.alongX = straight ? dy == 0 : std::llabs(dx) > std::llabs(dy);
    const bool reversed = !straight && (steps.alongX ? dx : dy) < 0;
    if (reversed) dx = -dx, dy = -dy;
    const Point origin = reversed ? to : from;
    const int64_t major = steps.alongX ? dx : dy, minor = steps.alongX ? dy : dx;
    steps.majorStart = steps.alongX ? origin.x : origin.y;
    steps.minorStart = steps.alongX ? origin.y : origin.x;
    steps.sign = major > 0 ? 1 : -1;
    steps.count = std::llabs(major);
    if (minor > 0) {
        // ceil((k + 1/2) * minor / major) - 1
        steps.a = 2 * minor, steps.b = minor - 1, steps.d = 2 * major;
    } else if (minor < 0) {
        steps.a = minor, steps.d = major;  // floor(k * minor / major)
    }
    return steps;
}

// The steps [first, last) whose along coordinate lies inside [low, high), narrowed
// with a pixel to spare to those whose across coordinate can lie inside
// [acrossLow, acrossHigh).
inline std::pair<int64_t, int64_t> stepsInside(const ThinSteps& steps, int64_t low, int64_t high,
                                               int64_t acrossLow, int64_t acrossHigh) {
    int64_t first = 0, last = steps.count;
    if (steps.sign > 0) {
        first = std::max(first, low - steps.majorStart);
        last = std::min(last, high - steps.majorStart);
    } else {
        first = std::max(first, steps.majorStart - high + 1);
        last = std::min(last, steps.majorStart - low + 1);
    }
    if (steps.a == 0) {
        const bool inside = steps.minorStart >= acrossLow && steps.minorStart < acrossHigh;
        return inside ? std::pair{first, last} : std::pair{first, first};
    }
    const auto stepAt = [&](int64_t across) {
        return (static_cast<double>(across - steps.minorStart) * static_cast<double>(steps.d) -
                static_cast<double>(steps.b)) /
               static_cast<double>(steps.a);
    };
    const double one = stepAt(acrossLow - 1), other = stepAt(acrossHigh + 1);
    const double earliest = std::floor(std::min(one, other)) - 1;
    const double latest = std::ceil(std::max(one, other)) + 2;
    if (earliest > static_cast<double>(first)) first = static_cast<int64_t>(earliest);
    if (latest < static_cast<double>(last)) last = static_cast<int64_t>(latest);
    return {first, last};
}

}  // namespace line_pixels

// A 1-pixel line from `from` to `to`, one pixel per step along its longer axis
// (the columns for a line at 45 degrees). A line along a row or a column covers its
// start and not its end. A slanted line covers the same pixels whichever way it is
// drawn: from its end nearer the origin of the longer axis up to, not including,
// the other, with the pixel across taken at the line's height there when it falls
// (floor of k * minor / major) and just below the pixel centre's when it rises.
// visit(x, y) gets each pixel inside `clip`.
template <class Visit>
void forEachThinLinePixel(Point from, Point to, const Rect& clip, Visit&& visit) {
    using line_pixels::Wide;
    if (from == to) return;
    const line_pixels::ThinSteps steps = line_pixels::thinSteps(from, to);
    const int64_t acrossLow = steps.alongX ? clip.top : clip.left;
    const int64_t acrossHigh = steps.alongX ? clip.bottom : clip.right;
    const auto [first, last] =
        steps.alongX
            ? line_pixels::stepsInside(steps, clip.left, clip.right, acrossLow, acrossHigh)
            : line_pixels::stepsInside(steps, clip.top, clip.bottom, acrossLow, acrossHigh);
    if (first >= last) return;

    // across stepped exactly: quotient and remainder of (a * k + b) / d.
    const int64_t stepQuotient = line_pixels::floorDivide(steps.a, steps.d);
    const int64_t stepRemainder = steps.a - stepQuotient * steps.d;
    const Wide start = Wide{steps.a} * first + steps.b;
    int64_t quotient = line_pixels::floorDivide(start, steps.d);
    auto remainder = static_cast<int64_t>(start - Wide{quotient} * steps.d);
    for (int64_t k = first; k < last; ++k) {
        const int64_t along = steps.majorStart + steps.sign * k;
        const int64_t across = steps.minorStart + quotient;
        if (across >= acrossLow && across < acrossHigh) {
            visit(steps.alongX ? along : across, steps.alongX ? across : along);
        }
        quotient += stepQuotient;
        remainder += stepRemainder;
        const bool carry = remainder >= steps.d;
        remainder -= carry ? steps.d : 0;
        quotient += carry ? 1 : 0;
    }
}

// A line `width` pixels wide with round ends: every pixel whose centre lies within
// half the width of the segment, the centre nudged up and left so that a pixel on
// the border counts on the bottom and right sides only. visit(x, y) gets each pixel
// inside `clip`, row by row. Of a row's candidates from x on, only those from
// nextWanted(x, y, end) on are looked at (end when none), so that a caller can
// step over pixels it has no use for.
template <class Visit, class NextWanted>
void forEachWideLinePixel(Point from, Point to, int32_t width, const Rect& clip, Visit&& visit,
                          NextWanted&& nextWanted) {
    const double radius = width / 2.0, radiusSquared = radius * radius;
    const int64_t reach = width;
    constexpr double kNudge = 1e-6;
    const double ax = from.x, ay = from.y, bx = to.x, by = to.y, dx = bx - ax, dy = by - ay;
    const SegmentDistance distance(ax, ay, bx, by);
    const int64_t left = std::max<int64_t>(int64_t{std::min(from.x, to.x)} - reach, clip.left);
    const int64_t right =
        std::min<int64_t>(int64_t{std::max(from.x, to.x)} + reach, clip.right - 1);
    const int64_t top = std::max<int64_t>(int64_t{std::min(from.y, to.y)} - reach, clip.top);
    const int64_t bottom =
        std::min<int64_t>(int64_t{std::max(from.y, to.y)} + reach, clip.bottom - 1);
    for (int64_t py = top; py <= bottom; ++py) {
        // The part of the segment within the radius of this row's pixel centres, and
        // the columns within the radius of that.
        const double centreY = static_cast<double>(py) + 0.5 - kNudge;
        double low = std::min(ax, bx), high = std::max(ax, bx);
        if (dy != 0) {
            const double t1 = std::clamp((centreY - radius - 0.01 - ay) / dy, 0.0, 1.0);
            const double t2 = std::clamp((centreY + radius + 0.01 - ay) / dy, 0.0, 1.0);
            low = std::min(ax + t1 * dx, ax + t2 * dx);
            high = std::max(ax + t1 * dx, ax + t2 * dx);
        }
        const int64_t rowLeft =
            std::max(left, static_cast<int64_t>(std::floor(low - radius - 0.5)) - 1);
        const int64_t rowRight =
            std::min(right, static_cast<int64_t>(std::ceil(high + radius - 0.5)) + 1);
        for (int64_t px = nextWanted(rowLeft, py, rowRight + 1); px <= rowRight;
             px = nextWanted(px + 1, py, rowRight + 1)) {
            const double centreX = static_cast<double>(px) + 0.5 - kNudge;
            if (distance.squaredFrom(centreX, centreY) <= radiusSquared) {
                visit(px, py);
            }
        }
    }
}

template <class Visit>
void forEachWideLinePixel(Point from, Point to, int32_t width, const Rect& clip, Visit&& visit) {
    forEachWideLinePixel(from, to, width, clip, visit,
                         [](int64_t x, int64_t /*y*/, int64_t /*end*/) { return x; });
}

}  // namespace render
