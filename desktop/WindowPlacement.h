#pragma once
#include <QRect>

namespace desktop {

// Where a window wanted at `wanted` goes on a screen whose windows may use
// `available`: as wanted where that fits, else no larger than the area and moved
// the least way into it.
QRect placedWithin(const QRect& wanted, const QRect& available);

}  // namespace desktop
