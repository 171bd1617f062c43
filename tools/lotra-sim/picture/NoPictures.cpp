// lotra-sim built without Qt: everything but pictures.
#include "tools/lotra-sim/CircuitPicture.h"

namespace lotrasim {

bool picturesAvailable() {
    return false;
}

struct PictureDrawer::Application {};

PictureDrawer::PictureDrawer() = default;
PictureDrawer::~PictureDrawer() = default;

bool PictureDrawer::draw(const CCircuit&, const PictureFile&, const std::string&, bool,
                         std::vector<uint8_t>&, std::string& error) const {
    error = "this lotra-sim was built without Qt and draws no pictures";
    return false;
}

}  // namespace lotrasim
