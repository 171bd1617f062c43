#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Circuit.h"

namespace lotrasim {

// Whether this build draws pictures: it needs Qt's painting classes, which a build
// without the desktop program leaves out.
bool picturesAvailable();

// A PNG picture of the circuit into `png`: drawn on white by the window's own
// drawing code, with the levels when `powered`, cropped to pictureArea. False,
// with the reason in `error`, on failure. Input signals and generators take the
// body picture of their level, as in the window, which is why the circuit is not
// const.
bool drawCircuitPicture(CCircuit& circuit, bool powered, std::vector<uint8_t>& png,
                        std::string& error);

}  // namespace lotrasim
