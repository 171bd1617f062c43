#pragma once
#include <cstdint>
#include <vector>

#include "web/Bitmaps.h"
#include "web/ZlibStream.h"

namespace web {

// The bytes of a PNG file of the picture: 8-bit RGB (the pictures are opaque), each
// row with the filter that suits it best, the rows compressed by `compress`. The
// page hands in the browser's compressor; stored blocks make a valid, larger file.
std::vector<uint8_t> encodePng(const Picture& picture, const ZlibCompressor& compress = storedZlib);

// The picture's pixels as rows of R, G, B bytes, top down.
std::vector<uint8_t> rgbBytes(const Picture& picture);

}  // namespace web
