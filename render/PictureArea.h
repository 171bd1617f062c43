#pragma once
#include <cstdint>

#include "model/Circuit.h"
#include "model/Geometry.h"

namespace render {

// Blank pixels left around the circuit in its picture.
constexpr int32_t kPictureMargin = 10;

// The work-area rectangle a picture of the circuit shows: the bounding box of every
// element body, every wire point and end (with the circle drawn at a free end or a
// junction), clipped to the 2048 x 2048 work area that the window can scroll to,
// then widened by kPictureMargin on every side. An empty circuit, or one lying
// wholly outside the work area, gives the margins around the origin alone.
Rect pictureArea(const CCircuit& circuit);

}  // namespace render
