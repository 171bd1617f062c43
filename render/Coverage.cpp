#include "render/Coverage.h"

#include <algorithm>

#include "platform/Canvas.h"
#include "render/LinePixels.h"

namespace render {

CCoverage::CCoverage(const Rect& area, int64_t pixelBudget)
    : area_(area), pixelBudget_(pixelBudget) {}

void CCoverage::start() {
    const size_t pixels = static_cast<size_t>(area_.width()) * static_cast<size_t>(area_.height());
    pixels_.assign(pixels, 0);
    rowSkips_.assign(pixels, 0);
    columnSkips_.assign(pixels, 0);
}

// The first uncovered place at or after `at` and before `end` (or `end`) along a
// row or a column: `step` apart in the pixels, one apart in `skips`, where a place
// remembers how far a walk from it found everything covered.
int32_t CCoverage::firstOpen(int32_t* skips, const uint8_t* pixels, size_t step, int32_t at,
                             int32_t end) {
    int32_t open = at;
    while (open < end && pixels[static_cast<size_t>(open) * step] != 0) {
        open = std::max(open + 1, skips[open]);
    }
    for (int32_t place = at; place < open;) {
        const int32_t next = std::max(place + 1, skips[place]);
        skips[place] = open;
        place = next;
    }
    return open;
}

// Column and row relative to the area.
void CCoverage::cover(int32_t column, int32_t row) {
    uint8_t& pixel = pixels_[static_cast<size_t>(row) * static_cast<size_t>(area_.width()) +
                             static_cast<size_t>(column)];
    covered_ += pixel ^ 1;
    pixel = 1;
}

// Pixels [begin, end) along a row, or down a column, of the area, in client
// coordinates.
void CCoverage::coverSpan(bool alongRow, int64_t line, int64_t begin, int64_t end) {
    ++visited_;
    const int64_t lineLow = alongRow ? area_.top : area_.left;
    const int64_t lineHigh = alongRow ? area_.bottom : area_.right;
    const int64_t low = alongRow ? area_.left : area_.top;
    const int64_t high = alongRow ? area_.right : area_.bottom;
    if (line < lineLow || line >= lineHigh) return;
    const auto at = static_cast<size_t>(line - lineLow);
    const auto first = static_cast<int32_t>(std::max(begin, low) - low);
    const auto last = static_cast<int32_t>(std::min(end, high) - low);
    const auto width = static_cast<size_t>(area_.width());
    const auto height = static_cast<size_t>(area_.height());
    int32_t* skips = alongRow ? &rowSkips_[at * width] : &columnSkips_[at * height];
    const uint8_t* pixels = alongRow ? &pixels_[at * width] : &pixels_[at];
    for (int32_t place = first; place < last; ++place) {
        place = firstOpen(skips, pixels, alongRow ? 1 : width, place, last);
        if (place == last) break;
        ++visited_;
        if (alongRow) {
            cover(place, static_cast<int32_t>(at));
        } else {
            cover(static_cast<int32_t>(at), place);
        }
    }
}

void CCoverage::addLine(Point from, Point to, int32_t width) {
    if (closed() || from == to) return;
    if (pixels_.empty()) start();
    if (width <= 1 && (from.x == to.x || from.y == to.y)) {
        // Along a row or a column: its start, not its end.
        const bool alongRow = from.y == to.y;
        const int64_t start = alongRow ? from.x : from.y, end = alongRow ? to.x : to.y;
        coverSpan(alongRow, alongRow ? from.y : from.x, start < end ? start : end + 1,
                  start < end ? end : start + 1);
        return;
    }
    const auto cover = [this](int64_t x, int64_t y) {
        ++visited_;
        this->cover(static_cast<int32_t>(x - area_.left), static_cast<int32_t>(y - area_.top));
    };
    if (width > 1) {
        // Only pixels not covered yet are worth measuring.
        const auto nextOpen = [this](int64_t x, int64_t y, int64_t end) -> int64_t {
            ++visited_;
            if (x >= end) return end;
            const size_t start =
                static_cast<size_t>(y - area_.top) * static_cast<size_t>(area_.width());
            return area_.left + firstOpen(&rowSkips_[start], &pixels_[start], 1,
                                          static_cast<int32_t>(x - area_.left),
                                          static_cast<int32_t>(end - area_.left));
        };
        forEachWideLinePixel(from, to, width, area_, cover, nextOpen);
    } else {
        forEachThinLinePixel(from, to, area_, cover);
    }
}

void CCoverage::paint(platform::Canvas& canvas) {
    if (covered_ == 0) return;
    canvas.fillCoverage(area_, pixels_);
    pixels_.clear();  // made again, zeroed, only if a further line comes
    covered_ = 0;
}

}  // namespace render
