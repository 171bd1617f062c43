#pragma once
#include <array>
#include <cstdint>
#include <optional>

// The six element kinds, numbered as the circuit file stores them.
enum class ElementKind : int32_t {
    LogicElement = 1,
    Indicator = 2,
    Trigger = 3,
    Summer = 4,
    EntrSignal = 5,
    GTI = 6,
};
// The kinds' names are the circuit's own words; they stand unqualified everywhere.
using enum ElementKind;

constexpr std::array kElementKinds{LogicElement, Indicator, Trigger, Summer, EntrSignal, GTI};

constexpr int32_t storedNumber(ElementKind kind) {
    return static_cast<int32_t>(kind);
}
// The kind a stored number names, or nothing for a number that names no kind.
constexpr std::optional<ElementKind> elementKindOf(int32_t number) {
    for (const ElementKind kind : kElementKinds)
        if (storedNumber(kind) == number) return kind;
    return std::nullopt;
}

// What the link field of a pin or a wire end names, kept as the file stores it:
// 0 nothing, 1 to 6 an element of that kind, 7 another wire. A damaged file may
// leave any other number there, which names nothing.
class LinkKind {
  public:
    constexpr LinkKind() = default;
    // A link to an element of the kind. Implicit, so that `end.kind == element.kind`
    // and `{x, y, Trigger, slot, pin}` read as they mean.
    constexpr LinkKind(ElementKind kind) : number_(::storedNumber(kind)) {}  // NOLINT
    static constexpr LinkKind fromStored(int32_t number) {
        LinkKind link;
        link.number_ = number;
        return link;
    }

    constexpr int32_t storedNumber() const { return number_; }
    // The kind of the element linked to, or nothing for no element.
    constexpr std::optional<ElementKind> elementKind() const { return elementKindOf(number_); }
    friend constexpr bool operator==(const LinkKind&, const LinkKind&) = default;

  private:
    int32_t number_ = 0;
};

inline constexpr LinkKind kLinkNone{};
inline constexpr LinkKind kLinkWire = LinkKind::fromStored(7);

// Bitmap resource ids.
namespace bitmap {
constexpr int32_t Gate2 = 102, Gate3 = 103, Gate4 = 104, Gate5 = 105, Gate6 = 107, Gate7 = 108,
                  Gate8 = 109, Gate9 = 111, Gate1 = 112;
constexpr int32_t SignalLow = 113, SignalHigh = 115, TriggerBody = 116, SummerBody = 118;
constexpr int32_t OutputPlain = 119, OutputInverted = 120, GlyphOr = 121, GlyphAnd = 123;
constexpr int32_t DigitOne = 130, DigitZero = 131, GeneratorHigh = 132, GeneratorLow = 133;
constexpr int32_t IndicatorBody = 134;
// The ids of all resources lie from the icon's to the last.
constexpr int32_t Icon = 101, Last = IndicatorBody;
}  // namespace bitmap
