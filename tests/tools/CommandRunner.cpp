#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "CommandRunner.h"

namespace fs = std::filesystem;

std::string fileContents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CCommandRunner::CCommandRunner() {
    std::string pattern = (fs::temp_directory_path() / "lotra-course-XXXXXX").string();
    if (::mkdtemp(pattern.data())) dir_ = pattern;
}

CCommandRunner::~CCommandRunner() {
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
}

CCommandRunner::Outcome CCommandRunner::lotraSim(const std::vector<std::string>& args) const {
    std::string command = std::string("'") + LOTRA_SIM_PATH + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + (dir_ / "stdout").string() + "' 2>'" + (dir_ / "stderr").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileContents(dir_ / "stdout"),
            fileContents(dir_ / "stderr")};
}

::testing::AssertionResult matchesCheckedFile(const std::string& actual, const fs::path& checked) {
    if (fs::exists(checked) && fileContents(checked) == actual)
        return ::testing::AssertionSuccess();
    const fs::path fresh = fs::path(LOTRA_BINARY_DIR) / "examples-made" / checked.filename();
    fs::create_directories(fresh.parent_path());
    std::ofstream(fresh, std::ios::binary) << actual;
    return ::testing::AssertionFailure()
           << checked << " differs from what was made now, which is in " << fresh;
}
