// lotra-sim built without Qt: everything but pictures.
#include "tools/lotra-sim/CircuitPicture.h"

namespace lotrasim {

bool picturesAvailable() {
    return false;
}

std::vector<PictureFailure> writeCircuitPictures(const std::vector<PictureFile>& pictures,
                                                 CCircuit&, const std::string&, bool) {
    std::vector<PictureFailure> failures;
    for (const PictureFile& picture : pictures)
        failures.push_back({picture.path, "this lotra-sim was built without Qt"});
    return failures;
}

}  // namespace lotrasim
