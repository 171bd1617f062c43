#pragma once
#include <cstdint>

#include "model/ElementKinds.h"
#include "model/Geometry.h"
#include "model/Pin.h"

// A gate (LogicElement) or a five-bit Indicator; both live in the logic-element table.
class CLogicElement {
  public:
    // A gate with the given parameters.
    CLogicElement(bool isConjunction, uint16_t inputCount, bool inverted);
    // An element of a kind without parameters (an indicator), laid out as its
    // kind's description says.
    explicit CLogicElement(ElementKind kind);
    virtual ~CLogicElement() = default;

    // Stores the gate parameters and applies the input layout to freshly reset pins.
    // An input count outside 1 to 9 leaves bitmap, size and pins untouched.
    void configure(bool isConjunction, uint16_t inputCount, bool inverted);
    void setPosition(int32_t x, int32_t y);
    // Where a wire end sits on the given pin, relative to x, y.
    Point pinOffset(int pin) const;
    // A gate's type glyph: the ampersand of a conjunctor, the one of a disjunctor.
    int32_t glyphBitmap() const { return isConjunction ? bitmap::GlyphAnd : bitmap::GlyphOr; }
    // Field by field, levels and drawing state included.
    bool operator==(const CLogicElement&) const = default;

    Pins pins{};
    ElementKind kind = LogicElement;
    int32_t drawState = 0;  // 32 while marked for deletion
    int32_t index = 0;
    int32_t outputBitmap = bitmap::OutputPlain;
    int32_t bodyBitmap = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t isConjunction = 0;
    uint16_t inputCount = 0;
    uint8_t inverted = 0;
};

// The number an indicator shows: each of its inputs, 0 to 4, weighs 2 to the
// power of its number and counts when a wire brings it a level other than 0.
int indicatorNumber(const Pins& pins);

constexpr int32_t kDrawStateDisabled = 32;

// Truncating division toward zero, then back to a multiple of 5: 12 -> 10, -7 -> -5.
constexpr int32_t truncateToGrid(int32_t v) {
    return v / 5 * 5;
}
