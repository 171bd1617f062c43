#include "app/PictureNames.h"

#include <algorithm>
#include <array>
#include <utility>

namespace app {
namespace {

using platform::PictureFormat;

constexpr std::array<std::pair<const char*, PictureFormat>, 3> kEndings{{
    {".png", PictureFormat::Png},
    {".svg", PictureFormat::Svg},
    {".pdf", PictureFormat::Pdf},
}};

// Where the ending of the last part of the name starts, or npos without one.
size_t endingStart(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    const size_t slash = name.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string::npos;
    return dot;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

}  // namespace

PictureName pictureName(const std::string& typed) {
    const size_t start = endingStart(typed);
    if (start != std::string::npos) {
        const std::string ending = lowered(typed.substr(start));
        for (const auto& [known, format] : kEndings)
            if (ending == known) return {typed, format};
    }
    if (typed.empty()) return {typed, PictureFormat::Png};
    return {typed + kEndings[0].first, PictureFormat::Png};
}

std::string proposedPictureName(const std::string& circuitFile) {
    if (circuitFile.empty()) return {};
    return circuitFile.substr(0, endingStart(circuitFile)) + kEndings[0].first;
}

}  // namespace app
