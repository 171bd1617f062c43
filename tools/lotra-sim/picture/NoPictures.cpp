// lotra-sim built without Qt: everything but pictures.
#include "tools/lotra-sim/CircuitPicture.h"

namespace lotrasim {
namespace {
constexpr const char* kNoPictures = "this lotra-sim was built without Qt and draws no pictures";
}  // namespace

bool picturesAvailable() {
    return false;
}

struct PictureDrawer::Application {};

PictureDrawer::PictureDrawer() = default;
PictureDrawer::~PictureDrawer() = default;

bool PictureDrawer::draw(const CCircuit&, const PictureFile&, const std::string&, bool,
                         std::vector<uint8_t>&, std::string& error) const {
    error = kNoPictures;
    return false;
}

bool PictureDrawer::drawPicture(const platform::PictureRequest&,
                                const std::function<void(platform::Canvas&)>&,
                                std::vector<uint8_t>&, std::string& error) const {
    error = kNoPictures;
    return false;
}

}  // namespace lotrasim
