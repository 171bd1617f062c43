#pragma once
#include <optional>
#include <vector>

#include "model/Circuit.h"
#include "model/Geometry.h"
#include "model/Viewport.h"
#include "platform/Canvas.h"

namespace render {

// The colour of the frames around chosen elements and of the rubber band.
inline constexpr platform::Rgb kChoiceColor{0, 120, 215};
// How far a frame stands off the element's rectangle, in work-area pixels.
constexpr int32_t kChoiceFrameGap = 2;

// A pasted group as it follows the pointer: its elements and wires, without levels.
void drawPendingGroup(platform::Canvas& canvas, const CCircuit& group, const Viewport& view,
                      const Rect& visible);

// A frame around each chosen element's rectangle and the rubber band's rectangle,
// given in work-area coordinates.
void drawChoiceFrames(platform::Canvas& canvas, const std::vector<Rect>& chosen,
                      const std::optional<Rect>& band, const Viewport& view);

}  // namespace render
