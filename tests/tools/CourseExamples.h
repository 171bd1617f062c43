#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ExampleDrawing.h"

struct CourseExample {
    std::string fileName;  // at most 24 characters, as the file-name dialog takes
    void (*draw)(CExampleDrawing&);
};

// The five examples: a half adder from gates, a full adder on a summer, a two-bit
// counter on JK triggers, an indicator fed by five input signals and a
// two-input multiplexer from gates.
const std::vector<CourseExample>& courseExamples();

// The examples' two-bit counter on JK triggers, driven by a generator of that
// period in seconds; returns the slot of its input signal (J = K), left at 0.
int32_t drawCounter(CExampleDrawing& d, float period);

// The circuit file of an example, drawn afresh.
std::vector<uint8_t> drawnExampleBytes(const CourseExample& example,
                                       std::vector<std::string>& faults);
