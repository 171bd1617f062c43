#include <cstdio>
#include <string>

#include "model/ElementPicture.h"
#include "platform/Canvas.h"
#include "render/RecordDrawing.h"

namespace render {
namespace {

constexpr int32_t kDigitWidth = 5, kDigitHeight = 7;
// A level digit stands right of the body's output stub, its bottom just above the line.
constexpr int32_t kDigitLeftOfRightEdge = 5;
constexpr int32_t kDigitAboveOutputRow = 9;

// Places the bitmaps of one element at offsets from its corner, every one in the
// element's state (a selected element is greyed whole, level digits included).
class ElementBitmaps {
  public:
    ElementBitmaps(platform::Canvas& canvas, Point corner, const Viewport& view, int32_t drawState)
        : canvas_(canvas),
          corner_(corner),
          view_(view),
          disabled_((drawState & kDrawStateDisabled) != 0) {}

    void draw(int32_t id, int32_t dx, int32_t dy, int32_t width, int32_t height) {
        const Point at = view_.toClient(corner_, {dx, dy});
        canvas_.drawBitmap(id, at.x, at.y, width, height, disabled_);
    }
    // The body and, for a gate, its marks.
    void picture(const std::array<PlacedBitmap, 3>& parts) {
        for (const PlacedBitmap& part : parts) {
            if (part.id != 0)
                draw(part.id, part.box.left, part.box.top, part.box.width(), part.box.height());
        }
    }
    // The level of every output the kind has, the second output first: a red 1 or a
    // blue 0 above each output line.
    template <typename Element>
    void outputDigits(const ElementKindInfo& info, const Element& element) {
        for (const int pin : {kSecondOutputPin, kOutputPin}) {
            if (!hasPin(info.pins, pin)) continue;
            const int32_t row = pinOffset(info, element.height, pin).y;
            const int32_t id = element.pins[pin].value ? bitmap::DigitOne : bitmap::DigitZero;
            draw(id, element.width - kDigitLeftOfRightEdge, row - kDigitAboveOutputRow, kDigitWidth,
                 kDigitHeight);
        }
    }

  private:
    platform::Canvas& canvas_;
    Point corner_;
    Viewport view_;
    bool disabled_;
};

// The indicator's number with at least two digits.
std::string indicatorText(const Pins& pins) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d", indicatorNumber(pins));
    return text;
}

void drawIndicatorNumber(platform::Canvas& canvas, const CLogicElement& element,
                         const Viewport& view) {
    const platform::Font font{26, 700, true, "Courier New"};
    const platform::Font previous = canvas.selectFont(font);
    canvas.setTextColor(platform::kRed);
    const Point at = view.toClient({element.x, element.y}, {22, 4});
    canvas.textOut(at.x, at.y, indicatorText(element.pins));
    canvas.selectFont(previous);
}

}  // namespace

void draw(platform::Canvas& canvas, const CLogicElement& element, const Viewport& view,
          bool powered) {
    const ElementKindInfo& info = kindInfo(element.kind);
    if (info.table != ElementTable::Logic) return;
    ElementBitmaps bitmaps(canvas, {element.x, element.y}, view, element.drawState);
    const bool marks = info.gateMarks;
    bitmaps.picture(elementPicture(element.bodyBitmap, {element.width, element.height},
                                   marks ? element.outputBitmap : 0,
                                   marks ? element.glyphBitmap() : 0));
    if (!powered) return;
    bitmaps.outputDigits(info, element);
    if (info.showsNumber) drawIndicatorNumber(canvas, element, view);
}

void draw(platform::Canvas& canvas, const CBlockElement& element, const Viewport& view,
          bool powered) {
    const ElementKindInfo& info = kindInfo(element.kind);
    if (info.table != ElementTable::Block) return;
    ElementBitmaps bitmaps(canvas, {element.x, element.y}, view, element.drawState);
    bitmaps.picture(elementPicture(element.shownBitmap(), {element.width, element.height}, 0, 0));
    if (powered) bitmaps.outputDigits(info, element);
}

}  // namespace render
