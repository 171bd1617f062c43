#pragma once
#include <algorithm>
#include <filesystem>
#include <vector>

#include "support/FileContents.h"

// The course's example circuits as shipped, in name order.
inline std::vector<std::filesystem::path> exampleFiles() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(LOTRA_SOURCE_DIR) / "res/examples";
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".vrt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}
