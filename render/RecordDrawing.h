#pragma once
#include <cstdint>

#include "model/BlockElement.h"
#include "model/Geometry.h"
#include "model/LogicElement.h"
#include "model/Viewport.h"
#include "model/Wire.h"

namespace platform {
class Canvas;
}

// How each record draws itself, at the client position the viewport gives its
// work-area position. Drawing only reads the records.
namespace render {

// A gate or an indicator; a record of any other kind draws nothing.
void draw(platform::Canvas& canvas, const CLogicElement& element, const Viewport& view,
          bool powered);
// A trigger, summer, input signal or generator.
void draw(platform::Canvas& canvas, const CBlockElement& element, const Viewport& view,
          bool powered);
// One wire on its own, as CWireLayer draws the wires of a paint.
void draw(platform::Canvas& canvas, const CWire& wire, const Viewport& view, const Rect& visible);

// The circle on a free end or a junction: a box of kEndCircleSize pixels square
// that starts kEndCircleBefore pixels left of and above the end.
constexpr int32_t kEndCircleBefore = 2;
constexpr int32_t kEndCircleSize = 5;

}  // namespace render
