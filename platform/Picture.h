#pragma once
#include <string>

#include "model/Geometry.h"

namespace platform {

enum class PictureFormat { Png, Svg, Pdf };

// A picture file of part of the work area: `area` in work-area coordinates, drawn
// at its own size on white, titled `title` (the circuit file's name). On the desktop
// a PDF is an A4 page with the picture scaled to fit and the title under it; the page,
// which has only pixels, makes a PDF page of the picture's own size.
struct PictureRequest {
    std::string fileName;
    PictureFormat format = PictureFormat::Png;
    Rect area;
    std::string title;
};

}  // namespace platform
