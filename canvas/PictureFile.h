#pragma once
#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "platform/Picture.h"

namespace canvas {

// Writes the picture file of the request with the painter canvas: `paint` draws on
// white with the area's top-left corner at the origin. A PNG holds the pixels the
// window shows; an SVG the same drawing at the same size as vector graphics (the
// element bodies stay the bitmaps they are); a PDF is an A4 page with the drawing
// scaled to fit and the title centred under it. The file is replaced only when
// complete. False, with the reason in `error`, on failure.
bool writePictureFile(const platform::PictureRequest& request,
                      const std::function<void(platform::Canvas&)>& paint, std::string& error);

}  // namespace canvas
