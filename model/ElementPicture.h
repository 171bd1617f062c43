#pragma once
#include <array>
#include <cstdint>

#include "model/Geometry.h"

// An element's picture at natural size, its corner at (0, 0): the body, and over a
// gate's body the output mark and the type glyph. The window draws it, and both
// pin-choice dialogs show it magnified.

// A gate's output mark fills the gap in the right edge of its body: kOutputMarkLeft
// columns in, its top kOutputMarkAboveMiddle rows above the middle row (half the
// height, truncated).
inline constexpr int32_t kOutputMarkLeft = 22;
inline constexpr int32_t kOutputMarkAboveMiddle = 2;
inline constexpr Size kOutputMarkSize{5, 5};
// The ampersand or the digit one in the top left of a gate's body.
inline constexpr Rect kGlyphBox{16, 2, 22, 11};

struct PlacedBitmap {
    int32_t id = 0;  // 0: nothing to draw
    Rect box;
};

// The body, the output mark and the glyph, in drawing order; a mark or glyph of
// id 0 (an element that is not a gate) stays 0.
constexpr std::array<PlacedBitmap, 3> elementPicture(int32_t body, Size size, int32_t outputMark,
                                                     int32_t glyph) {
    const int32_t markTop = size.height / 2 - kOutputMarkAboveMiddle;
    return {{{body, {0, 0, size.width, size.height}},
             {outputMark,
              {kOutputMarkLeft, markTop, kOutputMarkLeft + kOutputMarkSize.width,
               markTop + kOutputMarkSize.height}},
             {glyph, kGlyphBox}}};
}
