#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "model/ElementKind.h"
#include "model/Geometry.h"

// One end record of a wire. Ends 0 and 1 are the wire's own ends (where it was
// started and where it was finished); ends 2 onward are junction ends that other
// wires made on this one.
struct WireEnd {
    int32_t x = 0;
    int32_t y = 0;
    LinkKind kind;      // nothing for a free end, an element's pin, or another wire
    int32_t index = 0;  // element slot, or the other wire's slot
    int32_t slot = 0;   // pin number, or the partner end's position in the other wire
    friend bool operator==(const WireEnd&, const WireEnd&) = default;
    Point position() const { return {x, y}; }
};

class CWire {
  public:
    CWire() = default;
    virtual ~CWire() = default;

    // Adds the points after the existing ones, in order.
    void appendPoints(std::span<const Point> newPoints);
    uint32_t pointCount() const { return static_cast<uint32_t>(points.size()); }
    uint32_t endCount() const { return static_cast<uint32_t>(ends.size()); }
    bool operator==(const CWire&) const = default;

    uint8_t highlighted = 0;  // drawn with a 3-pixel pen while marked for deletion
    std::vector<Point> points;
    std::vector<WireEnd> ends;
    int32_t index = 0;
};
