#pragma once
#include <cstdint>

#include "model/BlockElement.h"
#include "model/Geometry.h"
#include "model/LogicElement.h"
#include "model/Wire.h"

namespace platform {
class Canvas;
}

// How each record draws itself, at its work-area position shifted by the scroll
// offsets. Drawing only reads the records.
namespace render {

// A gate or an indicator; a record of any other kind draws nothing.
void draw(platform::Canvas& canvas, const CLogicElement& element, int32_t scrollX, int32_t scrollY,
          bool powered);
// A trigger, summer, input signal or generator.
void draw(platform::Canvas& canvas, const CBlockElement& element, int32_t scrollX, int32_t scrollY,
          bool powered);
// One wire on its own, as CWireLayer draws the wires of a paint.
void draw(platform::Canvas& canvas, const CWire& wire, int32_t scrollX, int32_t scrollY,
          const Rect& visible);

// The circle on a free end or a junction: a box of kEndCircleSize pixels square
// that starts kEndCircleBefore pixels left of and above the end.
constexpr int32_t kEndCircleBefore = 2;
constexpr int32_t kEndCircleSize = 5;

}  // namespace render
