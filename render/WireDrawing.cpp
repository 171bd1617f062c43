#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_set>
#include <vector>

#include "model/ElementKind.h"
#include "platform/Canvas.h"
#include "render/GroupDrawing.h"
#include "render/RecordDrawing.h"
#include "render/WireLayer.h"

namespace render {
namespace {

constexpr platform::Pen kHighlightPen{3, platform::kBlack};
constexpr platform::Brush kJunctionBrush{platform::kBlack};

// The colours of the output digits.
platform::Rgb levelColour(WireLevel level) {
    return level == WireLevel::High ? platform::kRed : platform::kBlue;
}

// No pixel of a wire lies farther than this from the points it is drawn between:
// an end circle with the 3-pixel outline reaches 3, a 3-pixel line's round cap 2.
constexpr int64_t kReach = 4;

// What a line costs the canvas: a slanted one each of its pixels in the visible
// area, several times that when it is wide; one along a row or a column is filled
// as a strip, far more cheaply.
int64_t lineWork(Point from, Point to, int64_t extent, bool wide) {
    const int64_t dx = std::llabs(int64_t{to.x} - from.x), dy = std::llabs(int64_t{to.y} - from.y);
    const int64_t pixels = std::min(std::max(dx, dy), extent);
    if (dx == 0 || dy == 0) return 4 + pixels / 64;
    return 4 + (wide ? 8 * pixels : pixels);
}

// The pixels of a client area, or more than CWireLayer::kMaxCoverageArea for one
// too large to count.
int64_t pixelsOf(const Rect& area) {
    const int64_t width = int64_t{area.right} - area.left, height = int64_t{area.bottom} - area.top;
    if (width <= 0 || height <= 0) return 0;
    constexpr int64_t kTooLarge = CWireLayer::kMaxCoverageArea + 1;
    return width > kTooLarge || height > kTooLarge ? kTooLarge : width * height;
}

// Leaves the last of the equal points in place of all of them, in their order.
// Lists as short as a wire's usual ends are left as they are.
void keepLastOfEachSpot(std::vector<Point>& points) {
    constexpr size_t kShortList = 8;
    if (points.size() <= kShortList) return;
    const auto key = [](Point p) {
        return uint64_t{static_cast<uint32_t>(p.x)} << 32 | static_cast<uint32_t>(p.y);
    };
    std::unordered_set<uint64_t> later;
    std::vector<Point> kept;
    for (size_t i = points.size(); i-- > 0;)
        if (later.insert(key(points[i])).second) kept.push_back(points[i]);
    points.assign(kept.rbegin(), kept.rend());
}

}  // namespace

WireWorkLimits CWireLayer::limitsFor(const Rect& visible) {
    const int64_t pixels = std::max<int64_t>(pixelsOf(visible), 65'536);
    return {pixels, 24 * pixels};
}

CWireLayer::CWireLayer(platform::Canvas& canvas, const Viewport& view, const Rect& visible)
    : CWireLayer(canvas, view, visible, limitsFor(visible)) {}

CWireLayer::CWireLayer(platform::Canvas& canvas, const Viewport& view, const Rect& visible,
                       WireWorkLimits limits)
    : canvas_(canvas),
      view_(view),
      window_(visible, view, kReach),
      extent_(int64_t{visible.right} - visible.left + int64_t{visible.bottom} - visible.top),
      lineWorkLeft_(limits.lineWork),
      coverage_(visible, limits.coveragePixels),
      coverageAllowed_(pixelsOf(visible) > 0 && pixelsOf(visible) <= kMaxCoverageArea) {}

void CWireLayer::moveTo(Point p) {
    at_ = p;
    placed_ = false;
}

// A segment that cannot show is left out. A line's pixels depend only on its two
// ends, so the segment after a left-out one starts with a move to its first point
// and looks exactly as it would have.
void CWireLayer::lineTo(Point p) {
    const bool shows = window_.touches(at_, p);
    if (shows) {
        const Point from = view_.toClient(at_), to = view_.toClient(p);
        if (!covering_) {
            lineWorkLeft_ -= lineWork(from, to, extent_, highlighted_);
            covering_ = lineWorkLeft_ < 0 && coverageAllowed_;
        }
        if (covering_) {
            coverage_.addLine(from, to, highlighted_ ? kHighlightPen.width : 1);
        } else {
            if (!placed_) canvas_.moveTo(from.x, from.y);
            canvas_.lineTo(to.x, to.y);
        }
    }
    placed_ = shows && !covering_;
    at_ = p;
}

// From end 0 through every point to end 1, without a zero-length segment where a
// point lies on an end. Once the coverage takes no more lines, the rest is left.
void CWireLayer::drawPolyline(const CWire& wire) {
    const WireEnd* start = wire.ends.empty() ? nullptr : wire.ends.data();
    const WireEnd* finish = wire.ends.size() > 1 ? &wire.ends[1] : nullptr;
    if (wire.points.empty()) {
        if (!start || !finish) return;
        moveTo(start->position());
        lineTo(finish->position());
        return;
    }
    if (start && start->position() != wire.points.front()) {
        moveTo(start->position());
        lineTo(wire.points.front());
    } else {
        moveTo(wire.points.front());
    }
    for (size_t i = 1; i < wire.points.size(); ++i) {
        // A run of points beyond one edge draws nothing: the walk jumps to its last.
        const size_t last = window_.endOfRunBeyond(wire.points, i - 1);
        if (last >= i) {
            moveTo(wire.points[last]);
            i = last;
            continue;
        }
        lineTo(wire.points[i]);
        if (covering_ && coverage_.closed()) return;
    }
    if (finish && finish->position() != wire.points.back()) lineTo(finish->position());
}

// A 5-pixel circle centred on every end of the kind that can show. The circles of
// one wire and kind are alike, opaque, and follow each other with nothing drawn
// between, so only the last of those on one spot changes a pixel: a crafted pile
// of ends on one point costs one circle.
void CWireLayer::drawEndCircles(const CWire& wire, LinkKind kind) {
    std::vector<Point>& corners = cornersOfOneKind_;
    corners.clear();
    std::optional<Point> previous;
    for (const WireEnd& end : wire.ends) {
        if (end.kind != kind) continue;
        // The same spot again is the same circle again: judged once.
        const Point at = end.position();
        if (previous == at) continue;
        previous = at;
        if (!window_.touches(at, at)) continue;
        const Point c = view_.toClient(at);
        const Point corner{c.x - kEndCircleBefore, c.y - kEndCircleBefore};
        if (corners.empty() || corners.back() != corner) corners.push_back(corner);
    }
    keepLastOfEachSpot(corners);
    for (const Point corner : corners) {
        const WaitingCircle circle{
            {corner.x, corner.y, corner.x + kEndCircleSize, corner.y + kEndCircleSize},
            wire.highlighted != 0,
            kind == kLinkWire};
        if (covering_) {
            waitingCircles_.push_back(circle);
        } else {
            drawCircle(circle);
        }
    }
}

// With the highlight pen for a highlighted wire and the black brush on a junction,
// else with the canvas's own.
void CWireLayer::drawCircle(const WaitingCircle& circle) {
    platform::Pen previousPen;
    platform::Brush previousBrush;
    if (circle.highlighted) previousPen = canvas_.selectPen(kHighlightPen);
    if (circle.junction) previousBrush = canvas_.selectBrush(kJunctionBrush);
    canvas_.ellipse(circle.box);
    if (circle.junction) canvas_.selectBrush(previousBrush);
    if (circle.highlighted) canvas_.selectPen(previousPen);
}

void CWireLayer::draw(const CWire& wire, WireLevel level, bool chosen) {
    highlighted_ = wire.highlighted != 0;
    const bool ownPen = highlighted_ || level != WireLevel::None || chosen;
    platform::Pen pen = highlighted_ ? kHighlightPen : platform::Pen{};
    if (level != WireLevel::None) pen.color = levelColour(level);
    if (chosen) pen.color = kChoiceColor;
    platform::Pen previousPen;
    if (ownPen) previousPen = canvas_.selectPen(pen);
    drawPolyline(wire);
    if (ownPen) canvas_.selectPen(previousPen);
    drawEndCircles(wire, kLinkNone);
    drawEndCircles(wire, kLinkWire);
}

void CWireLayer::finish() {
    coverage_.paint(canvas_);
    for (const WaitingCircle& circle : waitingCircles_) drawCircle(circle);
    waitingCircles_.clear();
}

void draw(platform::Canvas& canvas, const CWire& wire, const Viewport& view, const Rect& visible) {
    CWireLayer layer(canvas, view, visible);
    layer.draw(wire);
    layer.finish();
}

}  // namespace render
