#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Picture.h"

namespace canvas {

// The bytes of the picture file of the request, painted with the painter canvas: `paint` draws on
// white with the area's top-left corner at the origin. A PNG holds the pixels the
// window shows; an SVG the same drawing at the same size as vector graphics (the
// element bodies stay the bitmaps they are); a PDF is an A4 page with the drawing
// scaled to fit and the title centred under it. Writing the bytes is the caller's,
// so a picture is written by the same rules as every other file. False, with the
// reason in `error`, on failure.
bool encodePicture(const platform::PictureRequest& request,
                   const std::function<void(platform::Canvas&)>& paint, std::vector<uint8_t>& bytes,
                   std::string& error);

}  // namespace canvas
