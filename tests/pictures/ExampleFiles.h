#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// The course's example circuits as shipped, in name order.
inline std::vector<std::filesystem::path> exampleFiles() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(LOTRA_SOURCE_DIR) / "res/examples";
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".vrt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

inline std::vector<uint8_t> bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
