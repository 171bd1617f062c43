#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ExampleDrawing.h"

// The gates the examples are drawn with.
inline constexpr LogicElementParams kAnd2{true, 2, false};
inline constexpr LogicElementParams kNand2{true, 2, true};
inline constexpr LogicElementParams kOr2{false, 2, false};
inline constexpr LogicElementParams kInverter{false, 1, true};

struct CourseExample {
    std::string fileName;  // at most 24 characters, as the file-name dialog takes
    void (*draw)(CExampleDrawing&);
};

// The five examples: a half adder from gates, a full adder on a summer, a two-bit
// counter on JK triggers, an indicator fed by five input signals and a
// two-input multiplexer from gates.
const std::vector<CourseExample>& courseExamples();

// The slips a student makes in the half adder; none by default.
struct HalfAdderSlips {
    LogicElementParams carryGate = kAnd2;
    bool carryWire = true;
    bool secondIndicator = false;
    bool gatesFirst = false;  // the input signals placed after the gates
};

// The examples' half adder, S = (A or B) and not (A and B), C = A and B: the
// indicator shows S + 2C = A + B, unless a slip changes it.
void drawHalfAdder(CExampleDrawing& d, const HalfAdderSlips& slips);

// The examples' two-bit counter on JK triggers, driven by a generator of that
// period in seconds; returns the slot of its input signal (J = K), left at 0.
int32_t drawCounter(CExampleDrawing& d, float period);

// The circuit file of an example, drawn afresh.
std::vector<uint8_t> drawnExampleBytes(const CourseExample& example,
                                       std::vector<std::string>& faults);
