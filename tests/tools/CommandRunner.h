#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/FileContents.h"
#include "support/LotraSim.h"
#include "support/TemporaryDirectory.h"

// Runs the built lotra-sim in a fresh temporary directory, which goes when the
// runner does.
class CCommandRunner {
  public:
    using Outcome = LotraSimOutcome;

    // The arguments are put in single quotes one by one.
    Outcome lotraSim(const std::vector<std::string>& args,
                     const std::vector<std::string>& env = {}) const {
        return runLotraSim(quotedWords(args), dir(), env);
    }
    const std::filesystem::path& dir() const { return dir_.path(); }

  private:
    TemporaryDirectory dir_{TemporaryDirectory::Current::Keep};
};

// `actual` compared with the checked file; a difference leaves the actual text in
// the build folder, named after the checked file, for a look and a copy.
::testing::AssertionResult matchesCheckedFile(const std::string& actual,
                                              const std::filesystem::path& checked);
