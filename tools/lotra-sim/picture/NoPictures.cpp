// lotra-sim built without Qt: everything but pictures.
#include "tools/lotra-sim/CircuitPicture.h"

namespace lotrasim {

bool picturesAvailable() {
    return false;
}

bool writeCircuitPicture(const std::string&, CCircuit&, bool, std::string& error) {
    error = "this lotra-sim was built without Qt and draws no pictures";
    return false;
}

}  // namespace lotrasim
