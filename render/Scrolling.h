#pragma once
#include <cstdint>

#include "model/Geometry.h"
#include "model/Viewport.h"
#include "model/WorkAreaGeometry.h"
#include "platform/Shell.h"

namespace render {

constexpr int32_t kLineStep = 5;

// Scroll codes that come with a scroll message.
enum ScrollCode {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

// Two thirds of the client extent, rounded down to a multiple of 5.
int32_t pageStep(int32_t clientExtent);
// The offset after a scroll message, clamped to the work area (before rounding).
int32_t scrolledOffset(int32_t offset, int code, int32_t thumbPosition, int32_t clientExtent);

// The whole arithmetic of one scroll message of the bar's direction: the viewport's
// offset of that direction moves (by work-area pixels) and is clamped to what the
// client area shows at the view's zoom, then both offsets are rounded to
// the grid, so even an end-scroll message re-rounds them. The handler then sets the
// bar's thumb to the offset of its direction and repaints.
Viewport offsetsAfterScroll(Viewport view, platform::ScrollBarId bar, int code,
                            int32_t thumbPosition, Size client);

// Places the two scroll bars and the corner button for the client size and sets the
// bars' ranges, in work-area pixels, for the view's zoom.
void layoutScrollBars(platform::Shell& shell, Size client, const Viewport& view = {});
void layoutCornerButton(platform::Shell& shell, Size client);

}  // namespace render
