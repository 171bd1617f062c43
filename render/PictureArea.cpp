#include "render/PictureArea.h"

#include <algorithm>
#include <limits>

#include "model/WorkAreaGeometry.h"
#include "render/RecordDrawing.h"

namespace render {
namespace {

// Sums of file coordinates and sizes may leave 32 bits, so the box is kept in 64.
struct Box {
    int64_t left = std::numeric_limits<int64_t>::max();
    int64_t top = std::numeric_limits<int64_t>::max();
    int64_t right = std::numeric_limits<int64_t>::min();
    int64_t bottom = std::numeric_limits<int64_t>::min();

    void add(int64_t x, int64_t y, int64_t width, int64_t height) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + std::max<int64_t>(width, 1));
        bottom = std::max(bottom, y + std::max<int64_t>(height, 1));
    }
};

void addWire(Box& box, const CWire& wire) {
    for (const Point& point : wire.points) box.add(point.x, point.y, 1, 1);
    for (const WireEnd& end : wire.ends) {
        if (end.kind == kLinkNone || end.kind == kLinkWire) {
            box.add(int64_t{end.x} - kEndCircleBefore, int64_t{end.y} - kEndCircleBefore,
                    kEndCircleSize, kEndCircleSize);
        } else {
            box.add(end.x, end.y, 1, 1);
        }
    }
}

}  // namespace

Rect pictureArea(const CCircuit& circuit) {
    Box box;
    for (const auto& element : circuit.logicElements)
        if (element) box.add(element->x, element->y, element->width, element->height);
    for (const auto& element : circuit.blockElements)
        if (element) box.add(element->x, element->y, element->width, element->height);
    for (const auto& wire : circuit.wires)
        if (wire) addWire(box, *wire);

    const int64_t limit = kWorkAreaSize;
    const int64_t left = std::max<int64_t>(box.left, 0);
    const int64_t top = std::max<int64_t>(box.top, 0);
    const int64_t right = std::min(box.right, limit);
    const int64_t bottom = std::min(box.bottom, limit);
    if (left >= right || top >= bottom)
        return {-kPictureMargin, -kPictureMargin, kPictureMargin, kPictureMargin};
    return {static_cast<int32_t>(left) - kPictureMargin, static_cast<int32_t>(top) - kPictureMargin,
            static_cast<int32_t>(right) + kPictureMargin,
            static_cast<int32_t>(bottom) + kPictureMargin};
}

}  // namespace render
