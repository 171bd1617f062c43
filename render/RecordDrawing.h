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
// offsets. Drawing reads the records, except that an input signal or generator
// first takes its body bitmap from its output level.
namespace render {

// A gate or an indicator; a record of any other kind draws nothing.
void draw(platform::Canvas& canvas, const CLogicElement& element, int32_t scrollX, int32_t scrollY,
          bool powered);
// A trigger, summer, input signal or generator.
void draw(platform::Canvas& canvas, CBlockElement& element, int32_t scrollX, int32_t scrollY,
          bool powered);
// The polyline from end 0 through every point to end 1, with hollow circles on free
// ends and black dots on junctions. Wires are not coloured by level. Only what can
// touch `visible` (client coordinates) is drawn, so that a wire of millions of
// points costs only its visible part; the pixels there are the same as if all of
// it were drawn.
void draw(platform::Canvas& canvas, const CWire& wire, int32_t scrollX, int32_t scrollY,
          const Rect& visible);

// The circle on a free end or a junction: a box of kEndCircleSize pixels square
// that starts kEndCircleBefore pixels left of and above the end.
constexpr int32_t kEndCircleBefore = 2;
constexpr int32_t kEndCircleSize = 5;

}  // namespace render
