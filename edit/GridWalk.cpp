#include "edit/GridWalk.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace edit {
namespace {

constexpr int64_t kStep = 5;
constexpr int64_t kForever = std::numeric_limits<int64_t>::max();

int64_t stepsAlong(int32_t from, int32_t to) {
    const int64_t distance = std::abs(static_cast<int64_t>(to) - from);
    return (distance + kStep - 1) / kStep;
}

// The steps [first, last] at which one coordinate of the walk equals v. A coordinate
// that has arrived stays put, so its arrival value holds from its arrival onward.
struct StepRange {
    int64_t first = 0;
    int64_t last = -1;
};

StepRange stepsAt(int32_t from, int32_t to, int32_t v) {
    const int64_t delta = static_cast<int64_t>(to) - from;
    const int64_t travelled =
        delta >= 0 ? static_cast<int64_t>(v) - from : static_cast<int64_t>(from) - v;
    const int64_t distance = std::abs(delta);
    if (travelled < 0 || travelled > distance) return {};
    if (travelled == distance) return {stepsAlong(from, to), kForever};
    if (travelled % kStep != 0) return {};
    return {travelled / kStep, travelled / kStep};
}

}  // namespace

int64_t GridWalk::stepCount() const {
    return std::max(stepsAlong(from_.x, to_.x), stepsAlong(from_.y, to_.y));
}

std::optional<int64_t> GridWalk::stepOf(Point p) const {
    const StepRange x = stepsAt(from_.x, to_.x, p.x);
    const StepRange y = stepsAt(from_.y, to_.y, p.y);
    const int64_t first = std::max(x.first, y.first);
    const int64_t last = std::min({x.last, y.last, stepCount()});
    if (first > last) return std::nullopt;
    return first;
}

}  // namespace edit
