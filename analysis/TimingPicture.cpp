#include "analysis/TimingPicture.h"

#include <algorithm>

#include "analysis/TextLength.h"

namespace analysis {
namespace {

using platform::Canvas;
using platform::Pen;
using platform::Rgb;

const platform::Font kFont{14, 400, false, "Courier New"};
// The face's advance in a 14-pixel cell, rounded up.
constexpr int32_t kCharWidth = 8;
constexpr int32_t kTextHeight = 14;
constexpr int32_t kTextGap = 4;
constexpr int32_t kLeastNameWidth = 48;
constexpr uint32_t kTicksPerSecond = 10;
// Labels on the axis lie at least this far apart, so that "1000 с" never touches the next.
constexpr int32_t kLeastLabelSpacing = 56;
constexpr int32_t kLeastTickMarkSpacing = 4;

constexpr Rgb kHigh = platform::kRed;
constexpr Rgb kLow = platform::kBlue;
constexpr Rgb kGrid{225, 225, 225};
constexpr Rgb kManualMark{0, 150, 0};

int32_t textWidth(const std::string& text) {
    return static_cast<int32_t>(characterCount(text)) * kCharWidth;
}

bool hasState(const CTimingRows& rows) {
    return !rows.state().bits.empty();
}

// Lines of one pixel, the pen changed only when the colour does: a dense diagram
// is tens of thousands of lines in two colours.
class CInk {
  public:
    explicit CInk(Canvas& canvas) : canvas_(canvas), before_(canvas.selectPen({1, kNoColour})) {}
    ~CInk() { canvas_.selectPen(before_); }
    CInk(const CInk&) = delete;
    CInk& operator=(const CInk&) = delete;

    void line(Rgb colour, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
        if (!(colour == colour_)) {
            canvas_.selectPen({1, colour});
            colour_ = colour;
        }
        canvas_.moveTo(static_cast<int32_t>(x0), static_cast<int32_t>(y0));
        canvas_.lineTo(static_cast<int32_t>(x1), static_cast<int32_t>(y1));
    }
    Canvas& canvas() { return canvas_; }

  private:
    static constexpr Rgb kNoColour{1, 2, 3};
    Canvas& canvas_;
    Pen before_;
    Rgb colour_ = kNoColour;
};

// The pixels a manual change sits after its tick (the k-th of them further on).
int64_t manualOffset(int32_t pixelsPerTick, uint64_t k) {
    if (pixelsPerTick <= 1) return 0;
    const int64_t step = std::max(1, pixelsPerTick / 4);
    return std::min<int64_t>(static_cast<int64_t>(k) * step, pixelsPerTick - 1);
}

// The visible columns, each with where it starts in the view, and where the last ends.
struct VisibleColumns {
    uint64_t first = 0;
    std::vector<int64_t> left;  // one more than there are columns
    size_t count() const { return left.empty() ? 0 : left.size() - 1; }
};

VisibleColumns visibleColumns(const CTimingRecording& recording, const TimingView& view,
                              int32_t plotLeft) {
    VisibleColumns visible;
    if (recording.endColumn() == recording.firstColumn()) return visible;
    const int32_t z = view.pixelsPerTick;
    const uint32_t firstTick = recording.column(recording.firstColumn()).tick;
    const auto viewTick = static_cast<uint32_t>(firstTick + std::max<int64_t>(0, view.scroll) / z);
    uint64_t n = recording.firstColumnAtTick(viewTick);
    if (n > recording.firstColumn()) --n;
    visible.first = n;
    const int64_t shift = plotLeft - view.scroll;
    const int64_t plotRight = view.size.width;
    for (; n < recording.endColumn(); ++n) {
        const int64_t left = timingColumnLeft(recording, n, z) + shift;
        if (left >= plotRight) break;
        visible.left.push_back(left);
    }
    const uint32_t endTick = n < recording.endColumn()
                                 ? recording.column(n).tick
                                 : recording.column(recording.endColumn() - 1).tick + 1;
    const int64_t end = n < recording.endColumn() ? timingColumnLeft(recording, n, z)
                                                  : int64_t{endTick - firstTick} * z;
    visible.left.push_back(end + shift);
    return visible;
}

// Draws stretches of equal value, each from its first column to the next stretch.
template <typename DrawStretch>
void forEachStretch(const std::vector<int>& values, const VisibleColumns& visible, int32_t plotLeft,
                    int32_t plotRight, DrawStretch draw) {
    for (size_t i = 0; i < values.size();) {
        size_t j = i + 1;
        while (j < values.size() && values[j] == values[i]) ++j;
        const int64_t from = std::clamp<int64_t>(visible.left[i], plotLeft, plotRight);
        const int64_t to = std::clamp<int64_t>(visible.left[j], plotLeft, plotRight);
        if (values[i] >= 0 && to > from) draw(values[i], from, to, i > 0 && values[i - 1] >= 0);
        i = j;
    }
}

// A stretch of one pixel after a change is all edge: its line from high to low is
// the whole of it.
void drawSignal(CInk& ink, const std::vector<int>& values, const VisibleColumns& visible,
                int32_t top, int32_t plotLeft, int32_t plotRight) {
    const int32_t high = top + 5;
    const int32_t low = top + kTimingRowHeight - 6;
    forEachStretch(values, visible, plotLeft, plotRight,
                   [&](int value, int64_t from, int64_t to, bool changed) {
                       const Rgb colour = value ? kHigh : kLow;
                       const bool edge = changed && from > plotLeft;
                       if (edge) ink.line(colour, from, high, from, low + 1);
                       if (!edge || to - from > 1)
                           ink.line(colour, from, value ? high : low, to, value ? high : low);
                   });
}

void drawNumber(CInk& ink, const TimingRow& row, const std::vector<int>& values,
                const VisibleColumns& visible, int32_t top, int32_t plotLeft, int32_t plotRight) {
    const int32_t upper = top + 2;
    const int32_t lower = top + kTimingRowHeight - 3;
    forEachStretch(values, visible, plotLeft, plotRight,
                   [&](int value, int64_t from, int64_t to, bool changed) {
                       ink.line(platform::kBlack, from, upper, to, upper);
                       ink.line(platform::kBlack, from, lower, to, lower);
                       if (changed && from > plotLeft)
                           ink.line(platform::kBlack, from, upper, from, lower + 1);
                       const std::string text = valueText(row, value);
                       const int32_t width = textWidth(text);
                       if (to - from < width + 2 * kTextGap) return;
                       const int64_t x = from + (to - from - width) / 2;
                       ink.canvas().textOut(static_cast<int32_t>(x),
                                            top + (kTimingRowHeight - kTextHeight) / 2, text);
                   });
}

std::string secondsText(uint32_t tick) {
    const uint32_t seconds = tick / kTicksPerSecond;
    return seconds == 0 ? "0" : std::to_string(seconds) + " с";
}

// Seconds between two labels: 1, 2 or 5 times a power of ten, as many as keep
// the labels apart.
uint32_t labelStep(int32_t pixelsPerTick) {
    const int64_t second = int64_t{pixelsPerTick} * kTicksPerSecond;
    for (uint32_t scale = 1;; scale *= 10)
        for (const uint32_t step : {1U, 2U, 5U})
            if (second * step * scale >= kLeastLabelSpacing) return step * scale;
}

struct Axis {
    int32_t top = 0;
    int32_t plotLeft = 0;
    int32_t plotRight = 0;
    int64_t shift = 0;  // from plot pixels to view pixels
    uint32_t firstTick = 0;
};

template <typename AtSecond>
void forEachLabelledSecond(const Axis& axis, int32_t z, AtSecond at) {
    const uint32_t step = labelStep(z) * kTicksPerSecond;
    const int64_t fromTick =
        std::max<int64_t>(0, (axis.plotLeft - axis.shift) / z) + axis.firstTick;
    for (uint64_t tick = static_cast<uint64_t>(fromTick) / step * step;; tick += step) {
        if (tick < axis.firstTick) continue;
        const int64_t x = static_cast<int64_t>(tick - axis.firstTick) * z + axis.shift;
        if (x < axis.plotLeft) continue;
        if (x >= axis.plotRight) return;
        at(static_cast<uint32_t>(tick), x);
    }
}

void drawAxis(CInk& ink, const CTimingRecording& recording, const VisibleColumns& visible,
              const Axis& axis, int32_t z) {
    ink.line(platform::kBlack, axis.plotLeft, axis.top, axis.plotRight, axis.top);
    if (z >= kLeastTickMarkSpacing)
        for (int64_t x = axis.shift; x < axis.plotRight; x += z)
            if (x >= axis.plotLeft) ink.line(platform::kBlack, x, axis.top, x, axis.top + 3);
    for (size_t i = 0; i < visible.count(); ++i)
        if (recording.column(visible.first + i).cause == ColumnCause::Manual &&
            visible.left[i] >= axis.plotLeft)
            ink.line(kManualMark, visible.left[i], axis.top + 1, visible.left[i], axis.top + 6);
    forEachLabelledSecond(axis, z, [&](uint32_t tick, int64_t x) {
        ink.line(platform::kBlack, x, axis.top, x, axis.top + 7);
        const std::string text = secondsText(tick);
        const int64_t left = std::clamp<int64_t>(x - textWidth(text) / 2, axis.plotLeft,
                                                 axis.plotRight - textWidth(text));
        if (left >= axis.plotLeft)
            ink.canvas().textOut(static_cast<int32_t>(left), axis.top + 8, text);
    });
}

}  // namespace

TimingLayout timingLayout(const CTimingRows& rows) {
    TimingLayout layout;
    int32_t widest = hasState(rows) ? textWidth(rows.state().name) : 0;
    for (const TimingRow& row : rows.rows()) widest = std::max(widest, textWidth(row.name));
    layout.nameWidth = std::max(kLeastNameWidth, widest + 2 * kTextGap);
    layout.top = hasState(rows) ? kTimingRowHeight : 0;
    layout.axisTop = layout.top + static_cast<int32_t>(rows.rows().size()) * kTimingRowHeight;
    layout.height = layout.axisTop + kTimingAxisHeight;
    return layout;
}

int64_t timingPlotWidth(const CTimingRecording& recording, int32_t pixelsPerTick) {
    if (recording.endColumn() == recording.firstColumn()) return 0;
    const uint32_t first = recording.column(recording.firstColumn()).tick;
    const uint32_t last = recording.column(recording.endColumn() - 1).tick;
    return int64_t{last - first + 1} * pixelsPerTick;
}

int64_t timingColumnLeft(const CTimingRecording& recording, uint64_t column,
                         int32_t pixelsPerTick) {
    const uint32_t first = recording.column(recording.firstColumn()).tick;
    const TimingColumn at = recording.column(column);
    const int64_t tickLeft = int64_t{at.tick - first} * pixelsPerTick;
    if (at.cause != ColumnCause::Manual) return tickLeft;
    return tickLeft + manualOffset(pixelsPerTick, column - recording.firstColumnAtTick(at.tick));
}

int64_t timingLastScroll(const CTimingRecording& recording, const CTimingRows& rows,
                         const TimingView& view) {
    const int64_t room = view.size.width - timingLayout(rows).nameWidth;
    return std::max<int64_t>(0, timingPlotWidth(recording, view.pixelsPerTick) - room);
}

void drawTimingDiagram(Canvas& canvas, const CTimingRecording& recording, const CTimingRows& rows,
                       const TimingView& view) {
    const TimingLayout layout = timingLayout(rows);
    const int32_t plotLeft = layout.nameWidth;
    const int32_t plotRight = view.size.width;
    const platform::Font font = canvas.selectFont(kFont);
    CInk ink(canvas);
    const VisibleColumns visible = visibleColumns(recording, view, plotLeft);
    Axis axis{layout.axisTop, plotLeft, plotRight, plotLeft - view.scroll, 0};
    if (visible.count() > 0) axis.firstTick = recording.column(recording.firstColumn()).tick;
    forEachLabelledSecond(axis, view.pixelsPerTick,
                          [&](uint32_t, int64_t x) { ink.line(kGrid, x, 0, x, axis.top); });
    ink.line(kGrid, plotLeft - 1, 0, plotLeft - 1, layout.axisTop);
    std::vector<int> values;
    const auto drawRow = [&](const TimingRow& row, int32_t top) {
        canvas.textOut(kTextGap, top + (kTimingRowHeight - kTextHeight) / 2, row.name);
        ink.line(kGrid, 0, top + kTimingRowHeight - 1, plotRight, top + kTimingRowHeight - 1);
        if (visible.count() == 0) return;
        rowValues(recording, row, visible.first, visible.count(), values);
        if (row.bits.size() > 1 || row.bus)
            drawNumber(ink, row, values, visible, top, plotLeft, plotRight);
        else
            drawSignal(ink, values, visible, top, plotLeft, plotRight);
    };
    if (hasState(rows)) drawRow(rows.state(), 0);
    for (size_t r = 0; r < rows.rows().size(); ++r)
        drawRow(rows.rows()[r], layout.top + static_cast<int32_t>(r) * kTimingRowHeight);
    if (visible.count() > 0) drawAxis(ink, recording, visible, axis, view.pixelsPerTick);
    canvas.selectFont(font);
}

std::optional<size_t> timingRowAt(const CTimingRows& rows, int32_t y) {
    const TimingLayout layout = timingLayout(rows);
    if (y < layout.top || y >= layout.axisTop) return std::nullopt;
    return static_cast<size_t>((y - layout.top) / kTimingRowHeight);
}

std::optional<uint64_t> timingColumnAt(const CTimingRecording& recording, const CTimingRows& rows,
                                       const TimingView& view, int32_t x) {
    const int32_t plotLeft = timingLayout(rows).nameWidth;
    const int64_t at = x - plotLeft + view.scroll;
    if (x < plotLeft || at < 0 || at >= timingPlotWidth(recording, view.pixelsPerTick))
        return std::nullopt;
    const uint32_t first = recording.column(recording.firstColumn()).tick;
    const auto tick = static_cast<uint32_t>(first + at / view.pixelsPerTick);
    uint64_t n = recording.firstColumnAtTick(tick + 1);
    while (n > recording.firstColumn() &&
           timingColumnLeft(recording, n - 1, view.pixelsPerTick) > at)
        --n;
    if (n == recording.firstColumn()) return std::nullopt;
    return n - 1;
}

std::string timingTooltip(const CTimingRecording& recording, const CTimingRows& rows,
                          uint64_t column) {
    const TimingColumn at = recording.column(column);
    std::string text = std::to_string(at.tick / kTicksPerSecond) + "," +
                       std::to_string(at.tick % kTicksPerSecond) + " с, такт " +
                       std::to_string(at.tick);
    if (at.cause == ColumnCause::Manual) text += ", после переключения";
    const auto add = [&](const TimingRow& row) {
        const std::optional<int> value = rowValue(recording, row, column);
        text += "\n" + row.name + " = " + (value ? valueText(row, *value) : "—");
    };
    if (hasState(rows)) add(rows.state());
    for (const TimingRow& row : rows.rows()) add(row);
    return text;
}

TimingView wholeTimingView(const CTimingRecording& recording, const CTimingRows& rows,
                           int32_t pixelsPerTick, int32_t mostWidth) {
    const TimingLayout layout = timingLayout(rows);
    const int64_t room = std::max<int64_t>(1, mostWidth - layout.nameWidth);
    TimingView view;
    view.pixelsPerTick = std::clamp(pixelsPerTick, kLeastPixelsPerTick, kMostPixelsPerTick);
    const int64_t ticks = timingPlotWidth(recording, 1);
    while (view.pixelsPerTick > kLeastPixelsPerTick && ticks * view.pixelsPerTick > room)
        --view.pixelsPerTick;
    const int64_t width = ticks * view.pixelsPerTick;
    view.scroll = std::max<int64_t>(0, width - room);
    view.size = {static_cast<int32_t>(layout.nameWidth + std::min(width, room)), layout.height};
    return view;
}

}  // namespace analysis
