#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace web {

// A picture as the page's canvas takes it: rows top down, one 0xAABBGGRR word per
// pixel (bytes R, G, B, A in memory).
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
    bool empty() const { return pixels.empty(); }
    // The pixel at column x of row y, both within the picture.
    uint32_t& at(int32_t x, int32_t y) { return pixels[index(x, y)]; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[index(x, y)]; }

  private:
    size_t index(int32_t x, int32_t y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    }
};

// The bitmap of an id (101 the application icon, 102 to 134 the element pictures),
// decoded once from the XPM text built into the program; an empty picture for an id
// that has none.
const Picture& bitmapPicture(int32_t id);

// The same picture embossed in grey as a disabled control shows it: every pixel
// that is not white becomes grey with a white highlight one pixel down and right;
// the rest is transparent.
const Picture& disabledBitmapPicture(int32_t id);

}  // namespace web
