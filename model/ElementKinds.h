#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>

#include "model/ElementKind.h"
#include "model/Geometry.h"
#include "model/Pin.h"

// One description per element kind: everything that differs from kind to kind
// and is data rather than behaviour. The records, the drawing, both pin-choice
// dialogs, the insert menu and commands, the file's records, the settle and
// lotra-sim read it; a new kind is mostly a new row here.

// Pins as bits, bit n for pin n.
using PinSet = uint16_t;

constexpr PinSet pinSet(std::initializer_list<int> pins) {
    PinSet set = 0;
    for (const int pin : pins) set = static_cast<PinSet>(set | (1u << pin));
    return set;
}
constexpr bool hasPin(PinSet set, int pin) {
    return pin >= 0 && pin < 16 && (set & (1u << pin)) != 0;
}

inline constexpr PinSet kInputPins = pinSet({0, 1, 2, 3, 4, 5, 6, 7, 8});

// Input pin n sits on the left edge at (0, kFirstInputRow + kInputRowStep · n).
constexpr int32_t kFirstInputRow = 5;
constexpr int32_t kInputRowStep = 5;
// An output row that is half the element's height, truncated (a gate's output).
constexpr int32_t kMiddleRow = -1;

// The table that holds elements of the kind; a number of no kind has none.
enum class ElementTable { None, Logic, Block };

// What sets an element's outputs.
enum class OutputRule {
    None,     // it has none (an indicator)
    Gate,     // AND or OR of the present inputs, then the inversion
    Trigger,  // a JK trigger, moving on the falling edge of its clock
    Summer,   // a one-bit full adder
    User,     // the user, by Ctrl+click (an input signal)
    Clock,    // the generator clock
};
// The rules that a settle evaluates.
constexpr bool isEvaluated(OutputRule rule) {
    return rule == OutputRule::Gate || rule == OutputRule::Trigger || rule == OutputRule::Summer;
}

// What Ctrl+click on a placed element does.
enum class CtrlClick {
    Nothing,
    ChangeGate,    // asks, then the gate dialog rebuilds the gate
    FlipState,     // asks, then both outputs flip and the circuit settles
    ChangeTiming,  // the generator dialog sets new timing
};

// What the insert command asks before the new element follows the pointer.
enum class InsertDialog { None, Gate, Generator };

// What an element's record in the circuit file holds between its tag and its index.
enum class FileRecord { Plain, Gate, Generator };

// A field left out of a row below takes the value given here. A kind number
// outside the six (only a cast makes one) is described by ElementKindInfo{}:
// nothing to draw, evaluate or change.
struct ElementKindInfo {
    ElementKind kind{};
    const char* name = "Unknown";  // as lotra-sim prints it
    const char* menuText = "";     // its item in the "&Выбрать" menu
    int insertCommand = 0;         // the command id of that item
    ElementTable table = ElementTable::None;
    Size size;               // a gate's height follows its input count (GateLayout)
    PinSet pins = 0;         // the pins it has; a gate's inputs follow its input count
    PinSet highAtStart = 0;  // the outputs that a new element shows at 1
    // Where pins 9 and 10 sit, also when the kind lacks one of them; a row of
    // kMiddleRow is the middle of the element.
    std::array<Point, 2> outputAnchors{};
    // The body bitmaps while pin 9 is at 0 and at 1; a gate's comes from its layout.
    int32_t lowBody = 0;
    int32_t highBody = 0;
    bool gateMarks = false;    // the output mark and the type glyph are drawn over the body
    bool showsNumber = false;  // the number its inputs make is drawn over the body
    OutputRule outputRule = OutputRule::None;
    bool sequential = false;  // its outputs depend on more than the present inputs
    CtrlClick ctrlClick = CtrlClick::Nothing;
    InsertDialog insertDialog = InsertDialog::None;
    bool insertRepaints = false;  // its insert command repaints the whole work area, erasing
    FileRecord fileRecord = FileRecord::Plain;
};

// A trigger's or summer's outputs: Q or the sum, and inverse Q or the carry out.
inline constexpr std::array<Point, 2> kBlockOutputs{{{40, 10}, {40, 30}}};
// An input signal's or generator's one output, and where a second would be.
inline constexpr std::array<Point, 2> kSourceOutputs{{{25, 10}, {40, 30}}};

inline constexpr std::array<ElementKindInfo, kElementKinds.size()> kElementKindInfos{{
    {.kind = LogicElement,
     .name = "LogicElement",
     .menuText = "Логический &элемент",
     .insertCommand = 40006,
     .table = ElementTable::Logic,
     .size = {30, 0},
     .pins = pinSet({9}),
     .outputAnchors = {{{30, kMiddleRow}, {30, kMiddleRow}}},
     .gateMarks = true,
     .outputRule = OutputRule::Gate,
     .ctrlClick = CtrlClick::ChangeGate,
     .insertDialog = InsertDialog::Gate,
     .fileRecord = FileRecord::Gate},
    {.kind = Indicator,
     .name = "Indicator",
     .menuText = "&Цифровой индикатор",
     .insertCommand = 40022,
     .table = ElementTable::Logic,
     .size = {50, 30},
     .pins = pinSet({0, 1, 2, 3, 4}),
     .lowBody = bitmap::IndicatorBody,
     .highBody = bitmap::IndicatorBody,
     .showsNumber = true},
    {.kind = Trigger,
     .name = "Trigger",
     .menuText = "&Триггер",
     .insertCommand = 40004,
     .table = ElementTable::Block,
     .size = {40, 40},
     .pins = pinSet({0, 3, 6, 9, 10}),
     .highAtStart = pinSet({10}),
     .outputAnchors = kBlockOutputs,
     .lowBody = bitmap::TriggerBody,
     .highBody = bitmap::TriggerBody,
     .outputRule = OutputRule::Trigger,
     .sequential = true,
     .ctrlClick = CtrlClick::FlipState,
     .insertRepaints = true},
    {.kind = Summer,
     .name = "Summer",
     .menuText = "&Сумматор",
     .insertCommand = 40005,
     .table = ElementTable::Block,
     .size = {40, 40},
     .pins = pinSet({0, 3, 6, 9, 10}),
     .outputAnchors = kBlockOutputs,
     .lowBody = bitmap::SummerBody,
     .highBody = bitmap::SummerBody,
     .outputRule = OutputRule::Summer},
    {.kind = EntrSignal,
     .name = "EntrSignal",
     .menuText = "&Логический сигнал",
     .insertCommand = 40007,
     .table = ElementTable::Block,
     .size = {26, 21},
     .pins = pinSet({9}),
     .outputAnchors = kSourceOutputs,
     .lowBody = bitmap::SignalLow,
     .highBody = bitmap::SignalHigh,
     .outputRule = OutputRule::User,
     .ctrlClick = CtrlClick::FlipState},
    {.kind = GTI,
     .name = "GTI",
     .menuText = "&Генератор ТИ",
     .insertCommand = 40021,
     .table = ElementTable::Block,
     .size = {26, 21},
     .pins = pinSet({9}),
     .outputAnchors = kSourceOutputs,
     .lowBody = bitmap::GeneratorLow,
     .highBody = bitmap::GeneratorHigh,
     .outputRule = OutputRule::Clock,
     .sequential = true,
     .ctrlClick = CtrlClick::ChangeTiming,
     .insertDialog = InsertDialog::Generator,
     .fileRecord = FileRecord::Generator},
}};

// The kinds in the order of the "&Выбрать" menu.
inline constexpr std::array kInsertMenuKinds{LogicElement, Trigger, Summer,
                                             EntrSignal,   GTI,     Indicator};

inline constexpr ElementKindInfo kNoKindInfo{};

constexpr const ElementKindInfo& kindInfo(ElementKind kind) {
    for (const ElementKindInfo& info : kElementKindInfos)
        if (info.kind == kind) return info;
    return kNoKindInfo;
}

// A gate and an indicator live in the logic-element table; every other kind, and a
// number of no kind, names the block table.
constexpr bool isLogicTableKind(ElementKind kind) {
    return kindInfo(kind).table == ElementTable::Logic;
}
constexpr bool hasTwoOutputs(const ElementKindInfo& info) {
    return hasPin(info.pins, kSecondOutputPin);
}

// A gate's input layout for each input count 1 to 9: the input pins it has, and
// the body bitmap and height that go with them. Every gate is 30 pixels wide.
struct GateLayout {
    PinSet inputPins;
    int32_t bodyBitmap;
    int32_t height;
};
inline constexpr std::array<GateLayout, 9> kGateLayouts{{
    {pinSet({2}), bitmap::Gate1, 30},
    {pinSet({0, 4}), bitmap::Gate2, 30},
    {pinSet({0, 2, 4}), bitmap::Gate3, 30},
    {pinSet({0, 1, 3, 4}), bitmap::Gate4, 30},
    {pinSet({0, 1, 2, 3, 4}), bitmap::Gate5, 30},
    {pinSet({0, 1, 2, 4, 5, 6}), bitmap::Gate6, 40},
    {pinSet({0, 1, 2, 3, 4, 5, 6}), bitmap::Gate7, 40},
    {pinSet({0, 1, 2, 3, 5, 6, 7, 8}), bitmap::Gate8, 50},
    {pinSet({0, 1, 2, 3, 4, 5, 6, 7, 8}), bitmap::Gate9, 50},
}};
// nullptr for an input count outside 1 to 9.
constexpr const GateLayout* gateLayout(unsigned inputCount) {
    if (inputCount < 1 || inputCount > kGateLayouts.size()) return nullptr;
    return &kGateLayouts[inputCount - 1];
}

// Where pin `pin` of an element of the kind and height sits, relative to its
// corner: inputs down the left edge, outputs where the description puts them.
constexpr Point pinOffset(const ElementKindInfo& info, int32_t height, int pin) {
    if (isInputPin(pin)) return {0, kFirstInputRow + kInputRowStep * pin};
    const Point anchor = info.outputAnchors[pin == kSecondOutputPin ? 1 : 0];
    return {anchor.x, anchor.y == kMiddleRow ? height / 2 : anchor.y};
}

// The body bitmap an element shows with its output at that level.
constexpr int32_t bodyBitmap(const ElementKindInfo& info, bool outputHigh) {
    return outputHigh ? info.highBody : info.lowBody;
}
