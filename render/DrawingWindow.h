#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Geometry.h"
#include "model/Viewport.h"

namespace render {

// The part of the work area whose drawing can show: the visible client area seen
// through the viewport and grown by `reach`, the farthest a record's pixels lie
// from the points it is drawn between; held wide so that nothing overflows.
class CDrawingWindow {
  public:
    CDrawingWindow(const Rect& visible, const Viewport& view, int64_t reach)
        : CDrawingWindow(view.toWorkArea({visible.left, visible.top}),
                         view.toWorkArea({visible.right, visible.bottom}), reach) {}

    // Whether anything drawn between the two work-area points can show.
    bool touches(Point a, Point b) const {
        return std::max<int64_t>(a.x, b.x) >= left_ && std::min<int64_t>(a.x, b.x) < right_ &&
               std::max<int64_t>(a.y, b.y) >= top_ && std::min<int64_t>(a.y, b.y) < bottom_ &&
               !passesBeside(a, b);
    }

    // The last of the points from `from` on that all lie beyond one edge of the
    // window with points[from]; `from` itself when it lies inside. Nothing drawn
    // between them can show, and the walk over them is one comparison a point.
    size_t endOfRunBeyond(const std::vector<Point>& points, size_t from) const {
        const Point p = points[from];
        size_t last = from;
        const auto run = [&](auto beyond) {
            while (last + 1 < points.size() && beyond(points[last + 1])) ++last;
        };
        if (p.x < left_) {
            run([this](Point q) { return q.x < left_; });
        } else if (p.x >= right_) {
            run([this](Point q) { return q.x >= right_; });
        } else if (p.y < top_) {
            run([this](Point q) { return q.y < top_; });
        } else if (p.y >= bottom_) {
            run([this](Point q) { return q.y >= bottom_; });
        }
        return last;
    }

  private:
    CDrawingWindow(Point topLeft, Point bottomRight, int64_t reach)
        : left_(topLeft.x - reach),
          top_(topLeft.y - reach),
          right_(bottomRight.x + reach),
          bottom_(bottomRight.y + reach),
          small_(isSmall(left_) && isSmall(top_) && isSmall(right_) && isSmall(bottom_)) {}

    // Coordinates whose differences multiply without overflow.
    static bool isSmall(int64_t v) {
        constexpr int64_t kLimit = int64_t{1} << 30;
        return v > -kLimit && v < kLimit;
    }

    // A slanted segment whose box meets the window may still pass beside it, with
    // every corner of the window on the same side of its line. (Only where the
    // products cannot overflow; elsewhere it counts as passing through.)
    bool passesBeside(Point a, Point b) const {
        if (!small_ || !isSmall(a.x) || !isSmall(a.y) || !isSmall(b.x) || !isSmall(b.y))
            return false;
        const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
        int sides = 0;  // 1: a corner on the left of the line, 2: on the right
        for (const int64_t x : {left_, right_ - 1}) {
            for (const int64_t y : {top_, bottom_ - 1}) {
                const int64_t cross = dx * (y - a.y) - dy * (x - a.x);
                sides |= cross > 0 ? 1 : cross < 0 ? 2 : 3;
            }
        }
        return sides != 3;
    }

    int64_t left_, top_, right_, bottom_;
    bool small_;  // whether the corners are, judged once for all segments
};

}  // namespace render
