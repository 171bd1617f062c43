#include "render/CircuitPicture.h"

#include "render/PictureArea.h"
#include "render/WorkArea.h"

namespace render {

platform::PictureRequest circuitPictureRequest(const CCircuit& circuit,
                                               const std::string& pictureFile,
                                               platform::PictureFormat format,
                                               const std::string& circuitFile) {
    const std::string title = circuitFile.substr(circuitFile.find_last_of('/') + 1);
    return {pictureFile, format, pictureArea(circuit), title};
}

std::function<void(platform::Canvas&)> circuitPainting(const CCircuit& circuit, const Rect& area,
                                                       bool powered) {
    return [&circuit, area, powered](platform::Canvas& canvas) {
        paintWorkArea(canvas, circuit, {}, Viewport{area.left, area.top}, powered,
                      {0, 0, area.width(), area.height()});
    };
}

}  // namespace render
