#pragma once
#include <string>

#include "platform/Picture.h"

// The names of picture files as the user types them.
namespace app {

struct PictureName {
    std::string fileName;
    platform::PictureFormat format = platform::PictureFormat::Png;
};

// The ending .png, .svg or .pdf (in any letter case) decides the format; any other
// name that is not empty gets .png added.
PictureName pictureName(const std::string& typed);

// The name first offered for a picture of the circuit file: its name with .png in
// place of its ending; nothing for a circuit without a file.
std::string proposedPictureName(const std::string& circuitFile);

}  // namespace app
