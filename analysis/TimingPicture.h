#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/TimingRecording.h"
#include "analysis/TimingRows.h"
#include "model/Geometry.h"
#include "platform/Canvas.h"

// The timing diagram: the names on the left, a row per signal (a line high for 1,
// low for 0) or number (its value written in every stretch), the state on top
// when the circuit has triggers, and the time axis under them in ticks of 100 ms,
// labelled in seconds. A tick is `pixelsPerTick` wide; a manual change between
// two ticks is a narrow column at its place after the tick it followed.
namespace analysis {

inline constexpr int32_t kLeastPixelsPerTick = 1;
inline constexpr int32_t kMostPixelsPerTick = 40;
inline constexpr int32_t kTimingRowHeight = 24;
inline constexpr int32_t kTimingAxisHeight = 24;

// What the panel shows of the diagram: the plot from pixel `scroll` (counted from
// the first kept tick) over the width the names leave of `size`.
struct TimingView {
    int32_t pixelsPerTick = 10;
    int64_t scroll = 0;
    Size size;
};

struct TimingLayout {
    int32_t nameWidth = 0;
    int32_t top = 0;  // where the first row begins: under the state when there is one
    int32_t axisTop = 0;
    int32_t height = 0;
};

TimingLayout timingLayout(const CTimingRows& rows);
// The plot's whole width at the zoom: every kept tick.
int64_t timingPlotWidth(const CTimingRecording& recording, int32_t pixelsPerTick);
// Where the column starts in the plot.
int64_t timingColumnLeft(const CTimingRecording& recording, uint64_t column, int32_t pixelsPerTick);

// The furthest the view scrolls: the latest column at its right edge (0 while all fits).
int64_t timingLastScroll(const CTimingRecording& recording, const CTimingRows& rows,
                         const TimingView& view);

// Draws what the view shows, on white, with its top-left corner at the origin;
// only the visible columns are read.
void drawTimingDiagram(platform::Canvas& canvas, const CTimingRecording& recording,
                       const CTimingRows& rows, const TimingView& view);

// The row under a point of the view (0 the first row under the state), or nothing.
std::optional<size_t> timingRowAt(const CTimingRows& rows, int32_t y);
// The kept column shown at x of the view, or nothing left of the plot or past its end.
std::optional<uint64_t> timingColumnAt(const CTimingRecording& recording, const CTimingRows& rows,
                                       const TimingView& view, int32_t x);
// The time of the column and the value of every row there, a line each.
std::string timingTooltip(const CTimingRecording& recording, const CTimingRows& rows,
                          uint64_t column);

// The whole recording as a picture for a file: every kept tick at the zoom, or at
// a smaller one so that the picture stays under `mostWidth` pixels (its last ticks
// when even one pixel a tick is wider).
TimingView wholeTimingView(const CTimingRecording& recording, const CTimingRows& rows,
                           int32_t pixelsPerTick, int32_t mostWidth = 16000);

}  // namespace analysis
