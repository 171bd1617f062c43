#include "render/GroupDrawing.h"

#include "render/RecordDrawing.h"
#include "render/WireLayer.h"

namespace render {
namespace {

void frame(platform::Canvas& canvas, const Rect& work, const Viewport& view) {
    const Point topLeft = view.toClient({work.left, work.top});
    const Point bottomRight = view.toClient({work.right, work.bottom});
    canvas.moveTo(topLeft.x, topLeft.y);
    canvas.lineTo(bottomRight.x, topLeft.y);
    canvas.lineTo(bottomRight.x, bottomRight.y);
    canvas.lineTo(topLeft.x, bottomRight.y);
    canvas.lineTo(topLeft.x, topLeft.y);
}

}  // namespace

void drawPendingGroup(platform::Canvas& canvas, const CCircuit& group, const Viewport& view,
                      const Rect& visible) {
    for (const auto& element : group.logicElements)
        if (element) draw(canvas, *element, view, false);
    for (const auto& element : group.blockElements)
        if (element) draw(canvas, *element, view, false);
    CWireLayer wires(canvas, view, visible);
    for (const auto& wire : group.wires)
        if (wire) wires.draw(*wire);
    wires.finish();
}

void drawChoiceFrames(platform::Canvas& canvas, const std::vector<Rect>& chosen,
                      const std::optional<Rect>& band, const Viewport& view) {
    if (chosen.empty() && !band) return;
    const platform::Pen before = canvas.selectPen({1, kChoiceColor});
    for (const Rect& element : chosen)
        frame(canvas,
              {element.left - kChoiceFrameGap, element.top - kChoiceFrameGap,
               element.right + kChoiceFrameGap, element.bottom + kChoiceFrameGap},
              view);
    if (band) frame(canvas, *band, view);
    canvas.selectPen(before);
}

}  // namespace render
