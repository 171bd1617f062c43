#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/FileCommands.h"
#include "edit/CircuitReplacement.h"
#include "edit/EditState.h"
#include "model/Circuit.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"

// Runs each file command test inside a fresh temporary directory, so the names
// the user "types" are relative to it just as in the program.
class FileCommandTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temporary.ok()); }

    // The window's door for a new circuit is played by the editing layer's part of
    // it, the editing state letting go of the old records; each passage is logged
    // among the shell's requests as "replaced: NAME".
    app::FileCommandContext context() {
        return {circuit, currentFileName, shell,
                [this](CCircuit replacement, const std::string& fileName) {
                    edit::replaceCircuit(circuit, edit, std::move(replacement));
                    currentFileName = fileName;
                    shell.log.push_back("replaced: " + fileName);
                }};
    }

    // An input signal wired into a conjunctor, and the conjunctor into an indicator.
    void buildSampleCircuit();
    // The bytes of a different small circuit, for files that exist beforehand.
    static std::vector<uint8_t> otherCircuitBytes();

    static void writeFile(const std::string& name, const std::vector<uint8_t>& bytes);
    // The file's bytes, or nothing when there is no such file.
    static std::optional<std::vector<uint8_t>> fileBytes(const std::string& name);
    // Names of everything in the temporary directory, sorted.
    std::vector<std::string> directoryEntries() const;

    TemporaryDirectory temporary;
    CCircuit circuit;
    EditState edit;
    std::string currentFileName;
    ScriptedShell shell;
};

// The three lines of the warning shown for an existing file of that name.
std::vector<std::string> existingFileWarning(const std::string& name);
