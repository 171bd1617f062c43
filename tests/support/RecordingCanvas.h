#pragma once
#include <string>
#include <vector>

#include "platform/Canvas.h"

// A Canvas for tests: every call is recorded in order together with the pen, brush,
// font and text colour current at that moment. Lines are recorded with both ends.
class RecordingCanvas : public platform::Canvas {
  public:
    enum class Op {
        Bitmap,
        SelectPen,
        SelectBrush,
        SelectFont,
        TextColor,
        MoveTo,
        LineTo,
        Ellipse,
        Coverage,
        Text
    };

    struct Call {
        Op op;
        int32_t id = 0;  // bitmap id
        Rect rect;  // bitmap placement, ellipse box, or a line from (left, top) to (right, bottom)
        bool disabled = false;
        std::string text;
        platform::Pen pen;
        platform::Brush brush;
        platform::Font font;
        platform::Rgb textColor;
        int64_t covered = 0;  // the pixels a coverage fills
    };
    struct Line {
        Point from;
        Point to;
        platform::Pen pen;
        friend bool operator==(const Line&, const Line&) = default;
    };

    void drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                    bool disabled) override;
    platform::Pen selectPen(const platform::Pen& pen) override;
    platform::Brush selectBrush(const platform::Brush& brush) override;
    platform::Font selectFont(const platform::Font& font) override;
    void setTextColor(platform::Rgb color) override;
    void moveTo(int32_t x, int32_t y) override;
    void lineTo(int32_t x, int32_t y) override;
    void ellipse(const Rect& box) override;
    void fillCoverage(const Rect& area, const std::vector<uint8_t>& covered) override;
    void textOut(int32_t x, int32_t y, const std::string& text) override;

    // The recorded calls of one kind, in order.
    std::vector<Call> callsOf(Op op) const;
    std::vector<Line> lines() const;
    // Bitmap calls as "id@x,y" (with " disabled" when so), in order.
    std::vector<std::string> bitmapPlacements() const;

    std::vector<Call> calls;
    platform::Pen pen;
    platform::Brush brush;
    platform::Font font;
    platform::Rgb textColor = platform::kBlack;
    Point position;

  private:
    Call& record(Op op);
};
