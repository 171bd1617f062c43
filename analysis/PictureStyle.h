#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "analysis/TextLength.h"
#include "platform/Canvas.h"

// What the pictures of the analysis share: one monospace face, so that the width
// of a text is known before it is drawn, and the colours of the loops.
namespace analysis::picture {

// A 20-pixel cell of the monospace face; the page carries the same face.
inline const platform::Font kFont{20, 700, false, "Courier New"};
inline constexpr int32_t kTextHeight = 20;
// The face's advance is 0.6 of its size, which is about 0.53 of the cell; rounded
// up, so that texts never run into what follows them.
inline constexpr int32_t kCharWidth = 11;

// A UTF-8 text's width: one advance per character.
inline int32_t textWidth(const std::string& text) {
    return static_cast<int32_t>(characterCount(text)) * kCharWidth;
}

inline constexpr platform::Rgb kLoopColours[] = {
    {220, 0, 0},   {0, 90, 220},  {0, 150, 0},   {230, 120, 0},
    {180, 0, 180}, {0, 150, 160}, {130, 80, 20}, {100, 60, 220},
};

inline platform::Rgb loopColour(size_t loop) {
    return kLoopColours[loop % (sizeof kLoopColours / sizeof kLoopColours[0])];
}

}  // namespace analysis::picture
