#pragma once
#include <cstdint>
#include <optional>

#include "model/Geometry.h"

namespace edit {

// The grid positions a walk from one wire point to the next passes. Each step moves
// every coordinate toward the target by at most 5 pixels, independently, so the
// walk arrives even on slanted segments and at points that are not multiples of 5.
// Position 0 is `from`, position stepCount() is `to`.
class GridWalk {
  public:
    GridWalk(Point from, Point to) : from_(from), to_(to) {}

    int64_t stepCount() const;
    // The first step at which the walk stands on `p`, or nothing when it never does.
    std::optional<int64_t> stepOf(Point p) const;

  private:
    Point from_;
    Point to_;
};

}  // namespace edit
