#include "support/RecordingCanvas.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
// Far corners of records read from anywhere must not overflow the recording itself.
int32_t saturatedSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(
        int64_t{a} + b, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
}  // namespace

RecordingCanvas::Call& RecordingCanvas::record(Op op) {
    calls.push_back(Call{op, 0, {}, false, {}, pen, brush, font, textColor});
    return calls.back();
}

void RecordingCanvas::drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                                 bool disabled) {
    Call& call = record(Op::Bitmap);
    call.id = id;
    call.rect = {x, y, saturatedSum(x, width), saturatedSum(y, height)};
    call.disabled = disabled;
}

platform::Pen RecordingCanvas::selectPen(const platform::Pen& newPen) {
    const platform::Pen previous = std::exchange(pen, newPen);
    record(Op::SelectPen);
    return previous;
}

platform::Brush RecordingCanvas::selectBrush(const platform::Brush& newBrush) {
    const platform::Brush previous = std::exchange(brush, newBrush);
    record(Op::SelectBrush);
    return previous;
}

platform::Font RecordingCanvas::selectFont(const platform::Font& newFont) {
    platform::Font previous = std::exchange(font, newFont);
    record(Op::SelectFont);
    return previous;
}

void RecordingCanvas::setTextColor(platform::Rgb color) {
    textColor = color;
    record(Op::TextColor);
}

void RecordingCanvas::moveTo(int32_t x, int32_t y) {
    position = {x, y};
    record(Op::MoveTo).rect = {x, y, x, y};
}

void RecordingCanvas::lineTo(int32_t x, int32_t y) {
    record(Op::LineTo).rect = {position.x, position.y, x, y};
    position = {x, y};
}

void RecordingCanvas::ellipse(const Rect& box) {
    record(Op::Ellipse).rect = box;
}

void RecordingCanvas::fillCoverage(const Rect& area, const std::vector<uint8_t>& covered) {
    Call& call = record(Op::Coverage);
    call.rect = area;
    call.covered = std::count_if(covered.begin(), covered.end(), [](uint8_t c) { return c != 0; });
}

void RecordingCanvas::textOut(int32_t x, int32_t y, const std::string& text) {
    Call& call = record(Op::Text);
    call.rect = {x, y, x, y};
    call.text = text;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::callsOf(Op op) const {
    std::vector<Call> result;
    for (const Call& call : calls) {
        if (call.op == op) result.push_back(call);
    }
    return result;
}

std::vector<RecordingCanvas::Line> RecordingCanvas::lines() const {
    std::vector<Line> result;
    for (const Call& call : callsOf(Op::LineTo)) {
        result.push_back(
            {{call.rect.left, call.rect.top}, {call.rect.right, call.rect.bottom}, call.pen});
    }
    return result;
}

std::vector<std::string> RecordingCanvas::bitmapPlacements() const {
    std::vector<std::string> result;
    for (const Call& call : callsOf(Op::Bitmap)) {
        std::string text = std::to_string(call.id) + "@" + std::to_string(call.rect.left) + "," +
                           std::to_string(call.rect.top);
        if (call.disabled) text += " disabled";
        result.push_back(std::move(text));
    }
    return result;
}
