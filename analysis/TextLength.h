#pragma once
#include <algorithm>
#include <cstddef>
#include <string>

namespace analysis {

// The characters of a UTF-8 text: every byte but those that continue a character.
inline size_t characterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace analysis
