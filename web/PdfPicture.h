#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "web/Bitmaps.h"
#include "web/ZlibStream.h"

namespace web {

// A one-page PDF file of a picture the page has only as pixels: the page is the
// picture's size, one point to a pixel, and shows the pixels as one image, its
// bytes compressed by `compress`; `title` (UTF-8) is the document's title.
std::vector<uint8_t> pdfWithPixels(const Picture& picture, const std::string& title,
                                   const ZlibCompressor& compress = storedZlib);

}  // namespace web
