#include "render/CircuitPicture.h"

#include <utility>

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
                                                       bool powered, WireLevels wireLevels) {
    return [&circuit, area, powered, levels = std::move(wireLevels)](platform::Canvas& canvas) {
        paintWorkArea(canvas, circuit, {}, Viewport{area.left, area.top}, powered,
                      {0, 0, area.width(), area.height()}, levels);
    };
}

}  // namespace render
