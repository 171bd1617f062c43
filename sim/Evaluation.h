#pragma once
#include "model/BlockElement.h"
#include "model/LogicElement.h"

// Per-kind logic on a record already looked up; true when an output changed.
namespace sim {

bool evaluateGate(CLogicElement& gate);
// Whether the element of the logic-element table is evaluated as a gate.
bool isGate(const CLogicElement& element);
// A trigger or summer; every other block kind has no rule and never changes.
bool evaluateBlock(CBlockElement& element);

}  // namespace sim
