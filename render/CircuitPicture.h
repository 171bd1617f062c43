#pragma once
#include <functional>
#include <string>

#include "model/Circuit.h"
#include "model/WireLevel.h"
#include "platform/Canvas.h"
#include "platform/Picture.h"

namespace render {

// The picture file of a circuit as the window and lotra-sim both write it: the
// circuit's pictureArea, titled with the circuit file's name without its folders.
platform::PictureRequest circuitPictureRequest(const CCircuit& circuit,
                                               const std::string& pictureFile,
                                               platform::PictureFormat format,
                                               const std::string& circuitFile);

// What draws that picture: the circuit as the window paints it, with the levels
// when `powered`, without anything that follows the pointer, and with the area's
// top-left corner at the canvas origin, the wires coloured by `wireLevels` when
// they are given. It keeps a reference to the circuit.
std::function<void(platform::Canvas&)> circuitPainting(const CCircuit& circuit, const Rect& area,
                                                       bool powered, WireLevels wireLevels = {});

}  // namespace render
