#include "web/PictureFile.h"

#include <string>

#include "web/PdfPicture.h"
#include "web/PngEncoder.h"
#include "web/SvgPicture.h"

namespace web {

std::vector<uint8_t> encodePicture(const platform::PictureRequest& request,
                                   const std::function<void(platform::Canvas&)>& paint,
                                   TextStamper& text, const ZlibCompressor& compress) {
    const int32_t width = request.area.width(), height = request.area.height();
    Picture picture{width, height,
                    std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height),
                                          pixelWord(platform::kWhite))};
    PixelCanvas canvas(picture, text);
    paint(canvas);
    switch (request.format) {
        case platform::PictureFormat::Svg: {
            const std::string svg =
                svgWithPng(encodePng(picture, compress), width, height, request.title);
            return std::vector<uint8_t>(svg.begin(), svg.end());
        }
        case platform::PictureFormat::Pdf:
            return pdfWithPixels(picture, request.title, compress);
        case platform::PictureFormat::Png:
            break;
    }
    return encodePng(picture, compress);
}

}  // namespace web
