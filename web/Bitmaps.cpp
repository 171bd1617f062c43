#include "web/Bitmaps.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "web/BitmapTexts.h"

namespace web {
namespace {

constexpr uint32_t kTransparent = 0;
constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kGrey = 0xFF808080u;

// The quoted strings of the C array, in order.
std::vector<std::string_view> quotedStrings(std::string_view text) {
    std::vector<std::string_view> strings;
    size_t at = 0;
    while ((at = text.find('"', at)) != std::string_view::npos) {
        const size_t end = text.find('"', at + 1);
        if (end == std::string_view::npos) break;
        strings.push_back(text.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return strings;
}

// "#RRGGBB" as a pixel word; "None" is transparent.
uint32_t colourWord(std::string_view colour) {
    if (colour.size() != 7 || colour[0] != '#') return kTransparent;
    const unsigned long rgb = std::strtoul(std::string(colour.substr(1)).c_str(), nullptr, 16);
    const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return kOpaque | b << 16 | g << 8 | r;
}

Picture embossed(const Picture& picture) {
    Picture result{picture.width, picture.height,
                   std::vector<uint32_t>(picture.pixels.size(), kTransparent)};
    auto isInk = [&](int32_t x, int32_t y) {
        const uint32_t pixel = picture.at(x, y);
        return (pixel & kOpaque) != 0 && pixel != kWhite;
    };
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            uint32_t& out = result.at(x, y);
            if (isInk(x, y)) {
                out = kGrey;
            } else if (x > 0 && y > 0 && isInk(x - 1, y - 1)) {
                out = kWhite;
            }
        }
    }
    return result;
}

// An XPM image (the C array's text as written in the file); empty when it cannot
// be read.
Picture decodeXpm(const char* text) {
    const std::vector<std::string_view> strings = quotedStrings(text);
    if (strings.empty()) return {};
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
    const std::string header(strings[0]);
    if (std::sscanf(header.c_str(), "%d %d %d %d", &width, &height, &colours, &charsPerPixel) !=
            4 ||
        width <= 0 || height <= 0 || colours <= 0 || charsPerPixel <= 0 ||
        strings.size() < 1 + static_cast<size_t>(colours) + static_cast<size_t>(height)) {
        return {};
    }
    const auto keyLength = static_cast<size_t>(charsPerPixel);
    std::map<std::string_view, uint32_t> palette;
    for (int c = 1; c <= colours; ++c) {
        const std::string_view line = strings[static_cast<size_t>(c)];
        const size_t colourAt = line.find(" c ", keyLength);
        if (line.size() < keyLength || colourAt == std::string_view::npos) return {};
        palette[line.substr(0, keyLength)] = colourWord(line.substr(colourAt + 3));
    }
    Picture picture{width, height, {}};
    picture.pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::string_view row =
            strings[1 + static_cast<size_t>(colours) + static_cast<size_t>(y)];
        if (row.size() < keyLength * static_cast<size_t>(width)) return {};
        for (int x = 0; x < width; ++x) {
            const auto found =
                palette.find(row.substr(keyLength * static_cast<size_t>(x), keyLength));
            picture.pixels.push_back(found == palette.end() ? kTransparent : found->second);
        }
    }
    return picture;
}

struct StoredBitmap {
    Picture normal;
    Picture disabled;
};

const StoredBitmap& stored(int32_t id) {
    static std::map<int32_t, StoredBitmap> store;
    auto found = store.find(id);
    if (found == store.end()) {
        StoredBitmap entry;
        if (const char* text = bitmapText(id)) {
            entry.normal = decodeXpm(text);
            if (!entry.normal.empty()) entry.disabled = embossed(entry.normal);
        }
        found = store.emplace(id, std::move(entry)).first;
    }
    return found->second;
}

}  // namespace

const Picture& bitmapPicture(int32_t id) {
    return stored(id).normal;
}

const Picture& disabledBitmapPicture(int32_t id) {
    return stored(id).disabled;
}

}  // namespace web
