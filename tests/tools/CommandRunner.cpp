#include <gtest/gtest.h>

#include <fstream>

#include "CommandRunner.h"

namespace fs = std::filesystem;

::testing::AssertionResult matchesCheckedFile(const std::string& actual, const fs::path& checked) {
    if (fs::exists(checked) && textOf(checked) == actual) return ::testing::AssertionSuccess();
    const fs::path fresh = fs::path(LOTRA_BINARY_DIR) / "examples-made" / checked.filename();
    fs::create_directories(fresh.parent_path());
    std::ofstream(fresh, std::ios::binary) << actual;
    return ::testing::AssertionFailure()
           << checked << " differs from what was made now, which is in " << fresh;
}
