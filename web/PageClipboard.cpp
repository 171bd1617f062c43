// The page's side of copying a group: the circuit bytes and the picture as a PNG go
// to the page's script, which puts them on the browser's clipboard as it allows.
#include <emscripten.h>

#include "web/BrowserDeflate.h"
#include "web/PictureFile.h"
#include "web/WebShell.h"

// clang-format off
EM_JS(void, lotraPutOnClipboard, (const uint8_t* circuit, int circuitSize, const uint8_t* png,
                                  int pngSize), {
    lotra.putOnClipboard(HEAPU8.slice(circuit, circuit + circuitSize),
                         HEAPU8.slice(png, png + pngSize));
});
// clang-format on

namespace web {

void WebShell::putOnClipboard(const std::vector<uint8_t>& circuit, Size size,
                              const std::function<void(platform::Canvas&)>& paint) {
    clipboard_ = circuit;
    const platform::PictureRequest request{
        "", platform::PictureFormat::Png, {0, 0, size.width, size.height}, ""};
    const std::vector<uint8_t> png = encodePicture(request, paint, text_, browserZlib);
    lotraPutOnClipboard(circuit.data(), static_cast<int>(circuit.size()), png.data(),
                        static_cast<int>(png.size()));
}

}  // namespace web
