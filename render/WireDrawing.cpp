#include "model/ElementKind.h"
#include "platform/Canvas.h"
#include "render/RecordDrawing.h"
#include "render/ScreenPoint.h"

namespace render {
namespace {

constexpr platform::Pen kHighlightPen{3, platform::kBlack};
constexpr platform::Brush kJunctionBrush{platform::kBlack};

class ScreenMapping {
  public:
    ScreenMapping(int32_t scrollX, int32_t scrollY) : scrollX_(scrollX), scrollY_(scrollY) {}
    Point operator()(Point p) const {
        return {toScreen(p.x, 0, scrollX_), toScreen(p.y, 0, scrollY_)};
    }

  private:
    int32_t scrollX_, scrollY_;
};

// From end 0 through every point to end 1, without a zero-length segment where a
// point lies on an end.
void drawPolyline(platform::Canvas& canvas, const CWire& wire, const ScreenMapping& screen) {
    const WireEnd* start = wire.ends.empty() ? nullptr : wire.ends.data();
    const WireEnd* finish = wire.ends.size() > 1 ? &wire.ends[1] : nullptr;
    auto moveTo = [&](Point p) {
        const Point s = screen(p);
        canvas.moveTo(s.x, s.y);
    };
    auto lineTo = [&](Point p) {
        const Point s = screen(p);
        canvas.lineTo(s.x, s.y);
    };

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
    for (size_t i = 1; i < wire.points.size(); ++i) lineTo(wire.points[i]);
    if (finish && finish->position() != wire.points.back()) lineTo(finish->position());
}

// A 5-pixel circle centred on every end of the kind, with the current pen and brush.
void drawEndCircles(platform::Canvas& canvas, const CWire& wire, const ScreenMapping& screen,
                    int32_t kind) {
    for (const WireEnd& end : wire.ends) {
        if (end.kind != kind) continue;
        const Point c = screen(end.position());
        canvas.ellipse({c.x - 2, c.y - 2, c.x + 3, c.y + 3});
    }
}

}  // namespace

void draw(platform::Canvas& canvas, const CWire& wire, int32_t scrollX, int32_t scrollY) {
    const ScreenMapping screen(scrollX, scrollY);
    platform::Pen previousPen;
    if (wire.highlighted) previousPen = canvas.selectPen(kHighlightPen);

    drawPolyline(canvas, wire, screen);
    drawEndCircles(canvas, wire, screen, kLinkNone);
    const platform::Brush previousBrush = canvas.selectBrush(kJunctionBrush);
    drawEndCircles(canvas, wire, screen, kLinkWire);
    canvas.selectBrush(previousBrush);

    if (wire.highlighted) canvas.selectPen(previousPen);
}

}  // namespace render
