#include "model/Wire.h"

void CWire::appendPoints(std::span<const Point> newPoints) {
    points.insert(points.end(), newPoints.begin(), newPoints.end());
}
