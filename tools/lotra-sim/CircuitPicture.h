#pragma once
#include <string>

#include "model/Circuit.h"

namespace lotrasim {

// Whether this build draws pictures: it needs Qt's painting classes, which a build
// without the desktop program leaves out.
bool picturesAvailable();

// Writes a PNG picture of the circuit to `path`: drawn on white by the window's own
// drawing code, with the levels when `powered`, cropped to pictureArea. The file
// is replaced only when complete. False, with the reason in `error`, on failure.
// Input signals and generators take the body picture of their level, as in the
// window, which is why the circuit is not const.
bool writeCircuitPicture(const std::string& path, CCircuit& circuit, bool powered,
                         std::string& error);

}  // namespace lotrasim
