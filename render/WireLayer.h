#pragma once
#include <cstdint>
#include <vector>

#include "model/Geometry.h"
#include "model/Viewport.h"
#include "model/Wire.h"
#include "model/WireLevel.h"
#include "platform/Canvas.h"
#include "render/Coverage.h"
#include "render/DrawingWindow.h"

namespace render {

// How much a paint's wires may cost. Lines go to the canvas one by one while their
// work stays within `lineWork` (a slanted line counts its pixels in the visible
// area, one along a row or a column far less); after that the paint's remaining
// lines are collected in a coverage of the visible area, which visits at most
// `coveragePixels` pixels. A visible area of more than kMaxCoverageArea pixels is
// always drawn line by line.
struct WireWorkLimits {
    int64_t lineWork;
    int64_t coveragePixels;
};

// The wires of one paint, each drawn as a polyline from end 0 through every point to
// end 1, with hollow circles on free ends and black dots on junctions; a wire given a
// level is drawn red for 1 and blue for 0 (lines collected in the coverage stay
// black). Only what can touch `visible` (client coordinates) is drawn, so
// that a wire of millions of points costs only its visible part, and the pixels
// there are the same as if all of it were drawn (collected lines as CCoverage
// says). Once lines go into the coverage, the circles after them wait for it and
// are drawn over the lines by finish().
class CWireLayer {
  public:
    static constexpr int64_t kMaxCoverageArea = int64_t{1} << 24;

    // The limits that keep a paint of any wires the reader accepts within tens of
    // milliseconds: lines one by one for about as much as the area has pixels, then
    // the coverage for a few dozen visits per pixel.
    static WireWorkLimits limitsFor(const Rect& visible);

    CWireLayer(platform::Canvas& canvas, const Viewport& view, const Rect& visible);
    CWireLayer(platform::Canvas& canvas, const Viewport& view, const Rect& visible,
               WireWorkLimits limits);

    // A wire that goes with the chosen elements is drawn in their frames' colour.
    void draw(const CWire& wire, WireLevel level = WireLevel::None, bool chosen = false);
    // Paints the lines collected in the coverage, then the circles that waited for it.
    void finish();

  private:
    struct WaitingCircle {
        Rect box;
        bool highlighted = false;
        bool junction = false;
    };

    void moveTo(Point p);
    void lineTo(Point p);
    void drawPolyline(const CWire& wire);
    void drawEndCircles(const CWire& wire, LinkKind kind);
    void drawCircle(const WaitingCircle& circle);

    platform::Canvas& canvas_;
    Viewport view_;
    CDrawingWindow window_;
    int64_t extent_;  // the longest a line can run inside the visible area
    int64_t lineWorkLeft_;
    CCoverage coverage_;
    bool coverageAllowed_;
    bool covering_ = false;
    bool highlighted_ = false;  // the wire being drawn
    std::vector<WaitingCircle> waitingCircles_;
    std::vector<Point> cornersOfOneKind_;  // kept between wires for its capacity
    // The polyline being drawn: its current point, and whether the canvas's current
    // position is already there.
    Point at_;
    bool placed_ = false;
};

}  // namespace render
