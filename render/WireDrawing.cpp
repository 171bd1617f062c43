#include <algorithm>

#include "model/ElementKind.h"
#include "platform/Canvas.h"
#include "render/RecordDrawing.h"
#include "render/ScreenPoint.h"

namespace render {
namespace {

constexpr platform::Pen kHighlightPen{3, platform::kBlack};
constexpr platform::Brush kJunctionBrush{platform::kBlack};

// No pixel of a wire lies farther than this from the points it is drawn between:
// an end circle with the 3-pixel outline reaches 3, a 3-pixel line's round cap 2.
constexpr int64_t kReach = 4;

// The part of the work area whose drawing can show: the visible client area moved
// by the scroll offsets and grown by kReach, held wide so that nothing overflows.
class CDrawingWindow {
  public:
    CDrawingWindow(const Rect& visible, int32_t scrollX, int32_t scrollY)
        : left_(int64_t{visible.left} + scrollX - kReach),
          top_(int64_t{visible.top} + scrollY - kReach),
          right_(int64_t{visible.right} + scrollX + kReach),
          bottom_(int64_t{visible.bottom} + scrollY + kReach),
          small_(isSmall(left_) && isSmall(top_) && isSmall(right_) && isSmall(bottom_)) {}

    // Whether anything drawn between the two work-area points can show.
    bool touches(Point a, Point b) const {
        return std::max<int64_t>(a.x, b.x) >= left_ && std::min<int64_t>(a.x, b.x) < right_ &&
               std::max<int64_t>(a.y, b.y) >= top_ && std::min<int64_t>(a.y, b.y) < bottom_ &&
               !passesBeside(a, b);
    }

  private:
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

class ScreenMapping {
  public:
    ScreenMapping(int32_t scrollX, int32_t scrollY) : scrollX_(scrollX), scrollY_(scrollY) {}
    Point operator()(Point p) const {
        return {toScreen(p.x, 0, scrollX_), toScreen(p.y, 0, scrollY_)};
    }

  private:
    int32_t scrollX_, scrollY_;
};

// Draws a polyline segment by segment, leaving out those that cannot show. A
// line's pixels depend only on its two ends, so the segment after a left-out one
// starts with a move to its first point and looks exactly as it would have.
class CCulledPolyline {
  public:
    CCulledPolyline(platform::Canvas& canvas, const ScreenMapping& screen,
                    const CDrawingWindow& window)
        : canvas_(canvas), screen_(screen), window_(window) {}

    void moveTo(Point p) {
        at_ = p;
        placed_ = false;
    }
    void lineTo(Point p) {
        const bool shows = window_.touches(at_, p);
        if (shows) {
            if (!placed_) {
                const Point from = screen_(at_);
                canvas_.moveTo(from.x, from.y);
            }
            const Point to = screen_(p);
            canvas_.lineTo(to.x, to.y);
        }
        placed_ = shows;
        at_ = p;
    }

  private:
    platform::Canvas& canvas_;
    const ScreenMapping& screen_;
    const CDrawingWindow& window_;
    Point at_;
    bool placed_ = false;
};

// From end 0 through every point to end 1, without a zero-length segment where a
// point lies on an end.
void drawPolyline(CCulledPolyline& line, const CWire& wire) {
    const WireEnd* start = wire.ends.empty() ? nullptr : wire.ends.data();
    const WireEnd* finish = wire.ends.size() > 1 ? &wire.ends[1] : nullptr;
    if (wire.points.empty()) {
        if (!start || !finish) return;
        line.moveTo(start->position());
        line.lineTo(finish->position());
        return;
    }
    if (start && start->position() != wire.points.front()) {
        line.moveTo(start->position());
        line.lineTo(wire.points.front());
    } else {
        line.moveTo(wire.points.front());
    }
    for (size_t i = 1; i < wire.points.size(); ++i) line.lineTo(wire.points[i]);
    if (finish && finish->position() != wire.points.back()) line.lineTo(finish->position());
}

// A 5-pixel circle centred on every end of the kind that can show, with the
// current pen and brush.
void drawEndCircles(platform::Canvas& canvas, const CWire& wire, const ScreenMapping& screen,
                    const CDrawingWindow& window, int32_t kind) {
    for (const WireEnd& end : wire.ends) {
        if (end.kind != kind || !window.touches(end.position(), end.position())) continue;
        const Point c = screen(end.position());
        const Point corner{c.x - kEndCircleBefore, c.y - kEndCircleBefore};
        canvas.ellipse({corner.x, corner.y, corner.x + kEndCircleSize, corner.y + kEndCircleSize});
    }
}

}  // namespace

void draw(platform::Canvas& canvas, const CWire& wire, int32_t scrollX, int32_t scrollY,
          const Rect& visible) {
    const ScreenMapping screen(scrollX, scrollY);
    const CDrawingWindow window(visible, scrollX, scrollY);
    platform::Pen previousPen;
    if (wire.highlighted) previousPen = canvas.selectPen(kHighlightPen);

    CCulledPolyline line(canvas, screen, window);
    drawPolyline(line, wire);
    drawEndCircles(canvas, wire, screen, window, kLinkNone);
    const platform::Brush previousBrush = canvas.selectBrush(kJunctionBrush);
    drawEndCircles(canvas, wire, screen, window, kLinkWire);
    canvas.selectBrush(previousBrush);

    if (wire.highlighted) canvas.selectPen(previousPen);
}

}  // namespace render
