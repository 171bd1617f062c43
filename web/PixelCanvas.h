#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "web/Bitmaps.h"

namespace web {

// The pixels of a string in a font: `ink` holds width x height bytes, 1 where the
// text colour goes; the whole box is painted white first.
struct TextStamp {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> ink;
};

// Where the canvas gets its text from: the browser's font engine in the page.
class TextStamper {
  public:
    virtual ~TextStamper() = default;
    virtual const TextStamp& stamp(const platform::Font& font, const std::string& text) = 0;
};

// The drawing of the work area into a picture in memory, with the pixel rules of
// the desktop canvas: lines leave out their end pixel, ellipse boxes exclude their
// right and bottom edges, text sits on an opaque white box, and a disabled bitmap is
// drawn embossed in grey. Nothing is smoothed. It starts with a black 1-pixel pen,
// a white brush and black text.
class PixelCanvas : public platform::Canvas {
  public:
    PixelCanvas(Picture& target, TextStamper& text);

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

    // Where text went: the boxes painted white under it, in the picture's pixels.
    const std::vector<Rect>& textBoxes() const { return textBoxes_; }

  private:
    void put(int64_t x, int64_t y, uint32_t word);
    void fillSpan(int64_t y, int64_t left, int64_t right, uint32_t word);

    Picture& target_;
    TextStamper& text_;
    platform::Pen pen_;
    platform::Brush brush_;
    platform::Font font_;
    uint32_t textWord_;
    Point position_{};
    std::vector<Rect> textBoxes_;
};

// A colour as a pixel word of a Picture.
uint32_t pixelWord(platform::Rgb colour);

}  // namespace web
