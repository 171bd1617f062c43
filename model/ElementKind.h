#pragma once
#include <cstdint>

// The six element kinds. Link fields of pins and wire ends use the same numbers,
// with 0 for "nothing attached" and 7 for "another wire".
enum ElementKind : int32_t {
    LogicElement = 1,
    Indicator = 2,
    Trigger = 3,
    Summer = 4,
    EntrSignal = 5,
    GTI = 6,
};

constexpr int32_t kLinkNone = 0;
constexpr int32_t kLinkWire = 7;

constexpr bool isElementKind(int32_t kind) {
    return kind >= LogicElement && kind <= GTI;
}
// Kinds 1 and 2 live in the logic-element table, every other kind in the block table.
constexpr bool isLogicTableKind(int32_t kind) {
    return kind == LogicElement || kind == Indicator;
}

// Bitmap resource ids.
namespace bitmap {
constexpr int32_t Gate2 = 102, Gate3 = 103, Gate4 = 104, Gate5 = 105, Gate6 = 107, Gate7 = 108,
                  Gate8 = 109, Gate9 = 111, Gate1 = 112;
constexpr int32_t SignalLow = 113, SignalHigh = 115, TriggerBody = 116, SummerBody = 118;
constexpr int32_t OutputPlain = 119, OutputInverted = 120, GlyphOr = 121, GlyphAnd = 123;
constexpr int32_t DigitOne = 130, DigitZero = 131, GeneratorHigh = 132, GeneratorLow = 133;
constexpr int32_t IndicatorBody = 134;
}  // namespace bitmap
