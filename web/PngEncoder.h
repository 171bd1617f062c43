#pragma once
#include <cstdint>
#include <vector>

#include "web/Bitmaps.h"

namespace web {

// The bytes of a PNG file of the picture: 8-bit RGB (the pictures are opaque), its
// pixels in a zlib stream of stored deflate blocks. The page has no compressor, and
// a picture saved by the user does not need one to be a valid file.
std::vector<uint8_t> encodePng(const Picture& picture);

// The picture's pixels as rows of R, G, B bytes, top down.
std::vector<uint8_t> rgbBytes(const Picture& picture);

}  // namespace web
