#pragma once
#include <string>

#include "model/Circuit.h"

namespace lotrasim {

// The kind's name as the report prints it: LogicElement, Indicator, Trigger,
// Summer, EntrSignal, GTI, or Unknown.
const char* kindName(ElementKind kind);

// An indicator's number as the report and the truth table print it: two digits,
// e.g. "05".
std::string indicatorText(int number);

// One line per element, logic-element table first, then the block table, slots
// upward, e.g. "L1 Indicator 0=1 1=0 2=1 3=0 4=0 shows=05".
std::string circuitReport(const CCircuit& circuit);

}  // namespace lotrasim
