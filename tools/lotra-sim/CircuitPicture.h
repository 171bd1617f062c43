#pragma once
#include <string>
#include <vector>

#include "model/Circuit.h"
#include "platform/Picture.h"

namespace lotrasim {

// Whether this build draws pictures: it needs Qt's painting classes, which a build
// without the desktop program leaves out.
bool picturesAvailable();

struct PictureFile {
    std::string path;
    platform::PictureFormat format = platform::PictureFormat::Png;
};

struct PictureFailure {
    std::string path;
    std::string reason;
};

// Writes each picture of the circuit, as the window's picture command writes it:
// drawn on white by the window's own drawing code, with the levels when `powered`,
// cropped to the circuit; a PDF page names `circuitFile` under it. Each file is
// replaced only when complete. Returns the pictures that could not be written.
// Input signals and generators take the body picture of their level, as in the
// window, which is why the circuit is not const.
std::vector<PictureFailure> writeCircuitPictures(const std::vector<PictureFile>& pictures,
                                                 CCircuit& circuit, const std::string& circuitFile,
                                                 bool powered);

}  // namespace lotrasim
