#include "web/PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "render/LinePixels.h"

namespace web {

uint32_t pixelWord(platform::Rgb colour) {
    return 0xFF000000u | uint32_t{colour.b} << 16 | uint32_t{colour.g} << 8 | colour.r;
}

namespace {

constexpr uint32_t kWhiteWord = 0xFFFFFFFFu;

// Records read from a file may sit anywhere in the 32-bit range; nothing that far
// away can show, and 64-bit arithmetic keeps the rest from overflowing.
constexpr int64_t kFarAway = int64_t{1} << 24;

bool isFarAway(int64_t v) {
    return v < -kFarAway || v > kFarAway;
}

}  // namespace

PixelCanvas::PixelCanvas(Picture& target, TextStamper& text)
    : target_(target), text_(text), textWord_(pixelWord(platform::kBlack)) {}

void PixelCanvas::put(int64_t x, int64_t y, uint32_t word) {
    if (x < 0 || y < 0 || x >= target_.width || y >= target_.height) return;
    target_.at(static_cast<int32_t>(x), static_cast<int32_t>(y)) = word;
}

void PixelCanvas::fillSpan(int64_t y, int64_t left, int64_t right, uint32_t word) {
    if (y < 0 || y >= target_.height) return;
    left = std::max<int64_t>(left, 0);
    right = std::min<int64_t>(right, target_.width);
    if (left >= right) return;
    uint32_t* row = target_.pixels.data() + y * target_.width;
    std::fill(row + left, row + right, word);
}

void PixelCanvas::drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                             bool disabled) {
    const Picture& picture = disabled ? disabledBitmapPicture(id) : bitmapPicture(id);
    if (picture.empty() || width <= 0 || height <= 0 || isFarAway(x) || isFarAway(y)) return;
    const int32_t rows = std::min(height, picture.height);
    const int32_t columns = std::min(width, picture.width);
    for (int32_t row = 0; row < rows; ++row) {
        for (int32_t column = 0; column < columns; ++column) {
            const uint32_t word = picture.at(column, row);
            if (word >> 24) put(int64_t{x} + column, int64_t{y} + row, word);
        }
    }
}

platform::Pen PixelCanvas::selectPen(const platform::Pen& pen) {
    return std::exchange(pen_, pen);
}

platform::Brush PixelCanvas::selectBrush(const platform::Brush& brush) {
    return std::exchange(brush_, brush);
}

platform::Font PixelCanvas::selectFont(const platform::Font& font) {
    return std::exchange(font_, font);
}

void PixelCanvas::setTextColor(platform::Rgb color) {
    textWord_ = pixelWord(color);
}

void PixelCanvas::moveTo(int32_t x, int32_t y) {
    position_ = {x, y};
}

// The pixel rules of the desktop's lines, clipped to the picture.
void PixelCanvas::lineTo(int32_t x, int32_t y) {
    const Point from = std::exchange(position_, Point{x, y});
    const Point to = position_;
    if (from == to) return;
    if (isFarAway(from.x) || isFarAway(from.y) || isFarAway(to.x) || isFarAway(to.y)) return;
    const uint32_t word = pixelWord(pen_.color);
    const Rect picture{0, 0, target_.width, target_.height};
    const auto paint = [&](int64_t px, int64_t py) { put(px, py, word); };
    if (pen_.width > 1) {
        render::forEachWideLinePixel(from, to, pen_.width, picture, paint);
    } else {
        render::forEachThinLinePixel(from, to, picture, paint);
    }
}

void PixelCanvas::fillCoverage(const Rect& area, const std::vector<uint8_t>& covered) {
    const uint32_t word = pixelWord(pen_.color);
    size_t next = 0;
    for (int64_t y = area.top; y < area.bottom; ++y) {
        for (int64_t x = area.left; x < area.right; ++x) {
            if (covered[next++] != 0) put(x, y, word);
        }
    }
}

// The box's pixels around its centre: the outline is everything within the outer
// edge, widened by half the pen on each side, and not inside the inner edge, which
// the brush fills.
void PixelCanvas::ellipse(const Rect& box) {
    if (isFarAway(box.left) || isFarAway(box.top) || isFarAway(box.right) ||
        isFarAway(box.bottom) || box.width() <= 0 || box.height() <= 0) {
        return;
    }
    const double centreX = (box.left + box.right - 1) / 2.0;
    const double centreY = (box.top + box.bottom - 1) / 2.0;
    const double halfPen = (pen_.width - 1) / 2.0;
    const double outerA = (box.width() - 1) / 2.0 + halfPen;
    const double outerB = (box.height() - 1) / 2.0 + halfPen;
    const double innerA = (box.width() - 1) / 2.0 - halfPen;
    const double innerB = (box.height() - 1) / 2.0 - halfPen;
    const uint32_t penWord = pixelWord(pen_.color), brushWord = pixelWord(brush_.color);
    const auto reach = static_cast<int64_t>(std::ceil(std::max(outerA, outerB))) + 1;
    const auto lastX = static_cast<int64_t>(std::floor(centreX)) + reach;
    const auto lastY = static_cast<int64_t>(std::floor(centreY)) + reach;
    for (int64_t py = static_cast<int64_t>(centreY) - reach; py <= lastY; ++py) {
        for (int64_t px = static_cast<int64_t>(centreX) - reach; px <= lastX; ++px) {
            const double dx = static_cast<double>(px) - centreX;
            const double dy = static_cast<double>(py) - centreY;
            // Outer: r^2 <= R^2 + R along each axis (the pixel grid's circle of radius R);
            // inner: strictly within the inner radius.
            const bool outer =
                outerA > 0 && outerB > 0 &&
                dx * dx / (outerA * outerA + outerA) + dy * dy / (outerB * outerB + outerB) <= 1.0;
            if (!outer) continue;
            const bool inner = innerA > 0 && innerB > 0 &&
                               dx * dx / (innerA * innerA) + dy * dy / (innerB * innerB) < 1.0;
            put(px, py, inner ? brushWord : penWord);
        }
    }
}

void PixelCanvas::textOut(int32_t x, int32_t y, const std::string& text) {
    if (isFarAway(x) || isFarAway(y)) return;
    const TextStamp& stamp = text_.stamp(font_, text);
    textBoxes_.push_back({x, y, x + stamp.width, y + stamp.height});
    for (int32_t row = 0; row < stamp.height; ++row) {
        for (int32_t column = 0; column < stamp.width; ++column) {
            const bool ink = stamp.ink[static_cast<size_t>(row) * static_cast<size_t>(stamp.width) +
                                       static_cast<size_t>(column)] != 0;
            put(int64_t{x} + column, int64_t{y} + row, ink ? textWord_ : kWhiteWord);
        }
    }
}

}  // namespace web
