#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Picture.h"

namespace desktop {

// A graph in the DOT language laid out by Graphviz's dot and rendered as a PNG,
// SVG or PDF file's bytes; nothing when Graphviz could not read or render it.
std::optional<std::vector<uint8_t>> renderGraph(const std::string& dot,
                                                platform::PictureFormat format);

}  // namespace desktop
