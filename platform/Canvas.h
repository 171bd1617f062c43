#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Geometry.h"

namespace platform {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

struct Pen {
    int32_t width = 1;
    Rgb color = kBlack;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Rgb color = kWhite;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    int32_t height = 0;
    int32_t weight = 400;  // 700 is bold
    bool variablePitch = true;
    std::string face;  // empty: the canvas's default face
    friend bool operator==(const Font&, const Font&) = default;
};

// What drawing needs. A fresh canvas has a solid black 1-pixel pen, a solid white
// brush, black text on an opaque white background, and its current position at (0, 0).
class Canvas {
  public:
    virtual ~Canvas() = default;

    // The bitmap resource drawn unscaled with its top-left corner at (x, y),
    // limited to width x height; disabled draws it in the embossed grey style.
    virtual void drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                            bool disabled) = 0;

    // Each returns the previous one so that the caller can put it back.
    virtual Pen selectPen(const Pen& pen) = 0;
    virtual Brush selectBrush(const Brush& brush) = 0;
    virtual Font selectFont(const Font& font) = 0;
    virtual void setTextColor(Rgb color) = 0;

    virtual void moveTo(int32_t x, int32_t y) = 0;
    // A line with the current pen from the current position to (x, y), which becomes
    // the current position; the end pixel is not drawn.
    virtual void lineTo(int32_t x, int32_t y) = 0;
    // An ellipse inside box (right and bottom exclusive), outlined with the current
    // pen and filled with the current brush.
    virtual void ellipse(const Rect& box) = 0;
    // Every pixel of `area` whose byte in `covered` (the area's pixels row by row)
    // is not 0, in the current pen's colour.
    virtual void fillCoverage(const Rect& area, const std::vector<uint8_t>& covered) = 0;
    // Text with its cell's top-left corner at (x, y), on an opaque white box.
    virtual void textOut(int32_t x, int32_t y, const std::string& text) = 0;
};

}  // namespace platform
