#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Circuit.h"
#include "platform/Canvas.h"
#include "platform/Picture.h"

namespace lotrasim {

// Whether this build draws pictures: it needs Qt's painting classes, which a build
// without the desktop program leaves out.
bool picturesAvailable();

struct PictureFile {
    std::string path;
    platform::PictureFormat format = platform::PictureFormat::Png;
};

// Draws the pictures of a run. Qt's application object, which fonts need, is made
// once and lives as long as the drawer: a second one would not find the offscreen
// platform the first was told of.
class PictureDrawer {
  public:
    PictureDrawer();
    ~PictureDrawer();
    PictureDrawer(const PictureDrawer&) = delete;
    PictureDrawer& operator=(const PictureDrawer&) = delete;

    // The bytes of one picture of the circuit, as the window's picture command draws
    // it: on white by the window's own drawing code, with the levels when `powered`,
    // cropped to the circuit; a PDF page names `circuitFile` under it. False, with
    // the reason in `error`, on failure.
    bool draw(const CCircuit& circuit, const PictureFile& picture, const std::string& circuitFile,
              bool powered, std::vector<uint8_t>& bytes, std::string& error) const;
    // The bytes of any other picture of the request (a Karnaugh map), drawn by `paint`
    // on white with the area's top-left corner at the origin.
    bool drawPicture(const platform::PictureRequest& request,
                     const std::function<void(platform::Canvas&)>& paint,
                     std::vector<uint8_t>& bytes, std::string& error) const;

  private:
    struct Application;
    std::unique_ptr<Application> application_;
};

}  // namespace lotrasim
