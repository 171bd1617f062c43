#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Picture.h"
#include "web/PixelCanvas.h"
#include "web/ZlibStream.h"

namespace web {

// The bytes of the picture file of the request, drawn with the page's canvas on white
// with the area's top-left corner at the origin: the PNG holds the pixels the work
// area shows. The page has no vector painter, so the SVG embeds that PNG and the PDF
// page shows the same pixels as an image (see SvgPicture.h, PdfPicture.h); `compress`
// packs the pixels of either.
std::vector<uint8_t> encodePicture(const platform::PictureRequest& request,
                                   const std::function<void(platform::Canvas&)>& paint,
                                   TextStamper& text, const ZlibCompressor& compress);

}  // namespace web
