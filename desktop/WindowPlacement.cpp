#include "desktop/WindowPlacement.h"

#include <algorithm>

namespace desktop {

namespace {
// The start of a span of `length` moved the least way into [from, from + room).
int startWithin(int start, int length, int from, int room) {
    return std::clamp(start, from, from + room - length);
}
}  // namespace

QRect placedWithin(const QRect& wanted, const QRect& available) {
    if (available.isEmpty()) return wanted;
    const int width = std::min(wanted.width(), available.width());
    const int height = std::min(wanted.height(), available.height());
    return {startWithin(wanted.x(), width, available.x(), available.width()),
            startWithin(wanted.y(), height, available.y(), available.height()), width, height};
}

}  // namespace desktop
