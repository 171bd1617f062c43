#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace web {

// An SVG file of a picture the page has only as pixels: the PNG bytes embedded as one
// image of `width` x `height` pixels, titled `title` (UTF-8).
std::string svgWithPng(const std::vector<uint8_t>& png, int32_t width, int32_t height,
                       const std::string& title);

}  // namespace web
