#pragma once
#include <cstdint>
#include <string>

#include "analysis/TimingRecording.h"
#include "analysis/TimingRows.h"

namespace platform {
class Shell;
}

// "Сохранить диаграмму..." of the timing diagram's panel.
namespace app {

// The name offered: the circuit file's with .svg in place of its ending.
std::string proposedDiagramName(const std::string& circuitFile);

// Asks for a name and writes the whole recording under it: a value change dump for
// a name ending in .vcd (as lotra-sim --vcd writes a run), otherwise a picture of
// the rows, names and time axis at the panel's zoom (.svg, .png, .pdf; .png added
// to any other name). An existing file is replaced only after the warning, and a
// failure is reported, as for every file the user names.
void saveTimingDiagram(platform::Shell& shell, const std::string& circuitFile,
                       const analysis::CTimingRecording& recording,
                       const analysis::CTimingRows& rows, int32_t pixelsPerTick);

}  // namespace app
