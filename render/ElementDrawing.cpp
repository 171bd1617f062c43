#include <cstdio>
#include <string>

#include "platform/Canvas.h"
#include "render/RecordDrawing.h"
#include "render/ScreenPoint.h"

namespace render {
namespace {

constexpr int32_t kMarkSize = 5;
constexpr int32_t kGlyphWidth = 6, kGlyphHeight = 9;
constexpr int32_t kDigitWidth = 5, kDigitHeight = 7;

// Places the bitmaps of one element at offsets from its corner, every one in the
// element's state (a selected element is greyed whole, level digits included).
class ElementBitmaps {
  public:
    ElementBitmaps(platform::Canvas& canvas, int32_t x, int32_t y, int32_t scrollX, int32_t scrollY,
                   int32_t drawState)
        : canvas_(canvas),
          x_(x),
          y_(y),
          scrollX_(scrollX),
          scrollY_(scrollY),
          disabled_((drawState & kDrawStateDisabled) != 0) {}

    void draw(int32_t id, int32_t dx, int32_t dy, int32_t width, int32_t height) {
        canvas_.drawBitmap(id, toScreen(x_, dx, scrollX_), toScreen(y_, dy, scrollY_), width,
                           height, disabled_);
    }
    // The level of an output pin: a red 1 or a blue 0.
    void digit(const Pin& pin, int32_t dx, int32_t dy) {
        draw(pin.value ? bitmap::DigitOne : bitmap::DigitZero, dx, dy, kDigitWidth, kDigitHeight);
    }

  private:
    platform::Canvas& canvas_;
    int32_t x_, y_, scrollX_, scrollY_;
    bool disabled_;
};

// The indicator's number with at least two digits.
std::string indicatorText(const Pins& pins) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", indicatorNumber(pins));
    return text;
}

void drawIndicatorNumber(platform::Canvas& canvas, const CLogicElement& element, int32_t scrollX,
                         int32_t scrollY) {
    const platform::Font font{26, 700, true, "Courier New"};
    const platform::Font previous = canvas.selectFont(font);
    canvas.setTextColor(platform::kRed);
    canvas.textOut(toScreen(element.x, 22, scrollX), toScreen(element.y, 4, scrollY),
                   indicatorText(element.pins));
    canvas.selectFont(previous);
}

}  // namespace

void draw(platform::Canvas& canvas, const CLogicElement& element, int32_t scrollX, int32_t scrollY,
          bool powered) {
    ElementBitmaps bitmaps(canvas, element.x, element.y, scrollX, scrollY, element.drawState);
    if (element.kind == LogicElement) {
        const int32_t middle = element.height / 2;
        bitmaps.draw(element.bodyBitmap, 0, 0, element.width, element.height);
        bitmaps.draw(element.outputBitmap, 22, middle - 2, kMarkSize, kMarkSize);
        bitmaps.draw(element.isConjunction ? bitmap::GlyphAnd : bitmap::GlyphOr, 16, 2, kGlyphWidth,
                     kGlyphHeight);
        if (powered) bitmaps.digit(element.pins[kOutputPin], 25, middle - 9);
    } else if (element.kind == Indicator) {
        bitmaps.draw(element.bodyBitmap, 0, 0, element.width, element.height);
        if (powered) drawIndicatorNumber(canvas, element, scrollX, scrollY);
    }
}

void draw(platform::Canvas& canvas, const CBlockElement& element, int32_t scrollX, int32_t scrollY,
          bool powered) {
    const ElementKind kind = element.kind;
    if (!elementKindOf(storedNumber(kind)) || isLogicTableKind(kind)) return;

    ElementBitmaps bitmaps(canvas, element.x, element.y, scrollX, scrollY, element.drawState);
    bitmaps.draw(element.shownBitmap(), 0, 0, element.width, element.height);
    if (!powered) return;
    // Each digit sits just above its output line: rows 30 and 10 of a trigger or summer.
    if (kind == Trigger || kind == Summer) bitmaps.digit(element.pins[kSecondOutputPin], 35, 21);
    bitmaps.digit(element.pins[kOutputPin], element.width - 5, 1);
}

}  // namespace render
