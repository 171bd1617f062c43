#pragma once
#include <string>

#include "analysis/TimingRecording.h"
#include "analysis/TimingRows.h"

namespace analysis {

// The rows' signals over the kept columns as a value change dump, written as
// lotra-sim writes a run (the same names, one time unit a tick, an indicator's
// number as a five-bit vector). When changes by hand lie between ticks the unit is
// a tenth of a tick, each change a tenth further after its tick.
std::string timingValueChangeDump(const CTimingRecording& recording, const CTimingRows& rows);

}  // namespace analysis
