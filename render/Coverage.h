#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Geometry.h"

namespace platform {
class Canvas;
}

namespace render {

// The pixels of a client area that lines cover, collected in memory and painted at
// once, for lines so many that drawing them one by one would cost far more than the
// area has pixels. Lines follow the canvas's own pixel rules, so the area shows the
// same pixels as if each line had been drawn, but for a pixel moved by one where
// the platform's rounding decides a tie otherwise. A thin line along a row or a
// column costs only the pixels it newly covers; a slanted or wide one each pixel it
// crosses. The work is bounded: once every pixel is covered, or `pixelBudget`
// pixels have been visited, further lines are left out.
class CCoverage {
  public:
    CCoverage(const Rect& area, int64_t pixelBudget);

    // A line in client coordinates, drawn with a pen `width` pixels wide.
    void addLine(Point from, Point to, int32_t width);
    // Whether a further line would be left out.
    bool closed() const { return covered_ == pixelCount() || visited_ >= pixelBudget_; }
    // Paints the covered pixels with the canvas's pen colour and starts empty again.
    void paint(platform::Canvas& canvas);

  private:
    int64_t pixelCount() const { return int64_t{area_.width()} * area_.height(); }
    void start();
    void cover(int32_t column, int32_t row);
    static int32_t firstOpen(int32_t* skips, const uint8_t* pixels, size_t step, int32_t at,
                             int32_t end);
    void coverSpan(bool alongRow, int64_t line, int64_t begin, int64_t end);

    Rect area_;
    int64_t pixelBudget_;
    int64_t visited_ = 0;
    int64_t covered_ = 0;
    // Made on first use: one byte to a pixel of the area, row by row; and for each
    // row (and each column) how far covered runs reach, so that a line along it
    // steps over them.
    std::vector<uint8_t> pixels_;
    std::vector<int32_t> rowSkips_;
    std::vector<int32_t> columnSkips_;
};

}  // namespace render
