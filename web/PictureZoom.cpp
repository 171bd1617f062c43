#include "web/PictureZoom.h"

#include <algorithm>
#include <array>

namespace web {

namespace {

// The natural pixels a row or column of the shown picture covers: from `first` up
// to `last`, never empty and never beyond the natural picture.
struct Span {
    int32_t first = 0;
    int32_t last = 0;
};

Span coveredSpan(int32_t shown, const Viewport& view, int32_t naturalExtent) {
    const int32_t first = std::min(view.workExtent(shown), naturalExtent - 1);
    const int32_t last = std::clamp(view.workExtent(shown + 1), first + 1, naturalExtent);
    return {first, last};
}

uint32_t averaged(const Picture& natural, Span columns, Span rows) {
    std::array<uint32_t, 4> sums{};
    for (int32_t y = rows.first; y < rows.last; ++y) {
        for (int32_t x = columns.first; x < columns.last; ++x) {
            const uint32_t pixel = natural.at(x, y);
            for (size_t channel = 0; channel < sums.size(); ++channel)
                sums[channel] += (pixel >> (8 * channel)) & 0xFFU;
        }
    }
    // Spans are never empty; the least count of one keeps that plain to the reader.
    const auto count = static_cast<uint32_t>(
        std::max(1, (columns.last - columns.first) * (rows.last - rows.first)));
    uint32_t pixel = 0;
    for (size_t channel = 0; channel < sums.size(); ++channel)
        pixel |= ((sums[channel] + count / 2) / count) << (8 * channel);
    return pixel;
}

}  // namespace

void magnify(const Picture& natural, const Viewport& view, Picture& shown) {
    if (natural.empty()) return;
    const bool grows = view.zoom >= Viewport::kNaturalZoom;
    for (int32_t y = 0; y < shown.height; ++y) {
        const Span rows = coveredSpan(y, view, natural.height);
        for (int32_t x = 0; x < shown.width; ++x) {
            const Span columns = coveredSpan(x, view, natural.width);
            shown.at(x, y) =
                grows ? natural.at(columns.first, rows.first) : averaged(natural, columns, rows);
        }
    }
}

}  // namespace web
