#include "web/SvgPicture.h"

#include "web/Base64.h"

namespace web {
namespace {

std::string xmlEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                // Control characters have no place in XML text.
                if (static_cast<unsigned char>(c) >= 0x20) escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::string svgWithPng(const std::vector<uint8_t>& png, int32_t width, int32_t height,
                       const std::string& title) {
    const std::string w = std::to_string(width), h = std::to_string(height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink")";
    svg += R"( version="1.1" width=")" + w + R"(" height=")" + h + R"(" viewBox="0 0 )" + w + " " +
           h + "\">\n<title>" + xmlEscaped(title) + "</title>\n";
    // The pixels stay pixels when the picture is enlarged, as the window shows them.
    svg += R"(<image width=")" + w + R"(" height=")" + h + R"(" style="image-rendering:pixelated")";
    svg += R"( xlink:href="data:image/png;base64,)" + base64(png) + "\"/>\n</svg>\n";
    return svg;
}

}  // namespace web
