#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// Runs the built lotra-sim in a fresh temporary directory, which goes when the
// runner does.
class CCommandRunner {
  public:
    struct Outcome {
        int status = -1;
        std::string out;
        std::string err;
    };

    CCommandRunner();
    ~CCommandRunner();
    CCommandRunner(const CCommandRunner&) = delete;
    CCommandRunner& operator=(const CCommandRunner&) = delete;

    // The arguments are put in single quotes one by one.
    Outcome lotraSim(const std::vector<std::string>& args) const;
    const std::filesystem::path& dir() const { return dir_; }

  private:
    std::filesystem::path dir_;
};

std::string fileContents(const std::filesystem::path& path);

// `actual` compared with the checked file; a difference leaves the actual text in
// the build folder, named after the checked file, for a look and a copy.
::testing::AssertionResult matchesCheckedFile(const std::string& actual,
                                              const std::filesystem::path& checked);
