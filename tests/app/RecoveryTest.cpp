#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "io/Recovery.h"
#include "support/FileContents.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowCircuit.h"
#include "support/WithoutRootPrivilege.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> sampleBytes() {
    CCircuit circuit;
    buildSampleCircuit(circuit);
    return io::encodeCircuit(circuit);
}

class RecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(directory.ok()); }
    bool autosaveRunning() const {
        const auto found = shell.runningTimers.find(timer::Autosave);
        return found != shell.runningTimers.end() && found->second == 15000;
    }

    TemporaryDirectory directory;
    ScriptedShell shell;
    CVortafrm window{shell};
};

TEST_F(RecoveryTest, StartWithoutARecoveryFileCreatesItEmptyAndStartsAutosave) {
    window.OnCreate();
    EXPECT_TRUE(autosaveRunning());
    ASSERT_TRUE(fs::exists(io::kRecoveryFileName));
    EXPECT_EQ(fs::file_size(io::kRecoveryFileName), 0u);
    EXPECT_TRUE(window.circuit().isEmpty());
}

TEST_F(RecoveryTest, StartWithAnEmptyRecoveryFileRestoresNothing) {
    std::ofstream(io::kRecoveryFileName).close();
    window.OnCreate();
    EXPECT_TRUE(autosaveRunning());
    EXPECT_TRUE(window.circuit().isEmpty());
}

TEST_F(RecoveryTest, StartRestoresTheCircuitUnpoweredAndWithoutAFileName) {
    const std::vector<uint8_t> saved = sampleBytes();
    std::ofstream(io::kRecoveryFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(saved.data()), static_cast<long>(saved.size()));
    window.OnCreate();
    EXPECT_EQ(io::encodeCircuit(window.circuit()), saved);
    EXPECT_FALSE(window.isPowerOn());
    EXPECT_TRUE(window.currentFileName().empty());
    EXPECT_TRUE(autosaveRunning());
    EXPECT_TRUE(shell.messageBoxes.empty());
    // The next autosave writes back exactly what was read.
    window.OnTimer(timer::Autosave);
    EXPECT_EQ(bytesOf(io::kRecoveryFileName), saved);
    // It came in as a step from the empty work area the window was created with.
    window.OnCommand(command::EditUndo);
    EXPECT_TRUE(window.circuit().isEmpty());
    window.OnCommand(command::EditRedo);
    EXPECT_EQ(io::encodeCircuit(window.circuit()), saved);
}

TEST_F(RecoveryTest, AutosaveWritesTheCircuitAsItIsNow) {
    window.OnCreate();
    giveSampleCircuit(window);
    window.OnCommand(command::PowerOn);
    window.OnTimer(timer::Autosave);
    const std::vector<uint8_t> written = bytesOf(io::kRecoveryFileName);
    EXPECT_EQ(written, io::encodeCircuit(window.circuit()));
    EXPECT_NE(written, sampleBytes()) << "the levels after power on are saved with the circuit";
}

TEST_F(RecoveryTest, ARecoveryFileThatCannotBeOpenedTurnsAutosaveOffSilently) {
    fs::create_directory(io::kRecoveryFileName);
    window.OnCreate();
    EXPECT_TRUE(shell.runningTimers.empty());
    EXPECT_TRUE(window.circuit().isEmpty());
    EXPECT_TRUE(shell.messageBoxes.empty());
}

TEST_F(RecoveryTest, AFailedAutosaveIsSilentAndLeavesTheRunningCircuitAlone) {
    window.OnCreate();
    giveSampleCircuit(window);
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    window.OnTimer(timer::GeneratorClock);
    const std::vector<uint8_t> before = io::encodeCircuit(window.circuit());
    // The name is taken by a directory now: neither a rename nor a write can land.
    fs::remove(io::kRecoveryFileName);
    fs::create_directory(io::kRecoveryFileName);
    fs::create_directory(fs::path(io::kRecoveryFileName) / "keep");

    window.OnTimer(timer::Autosave);
    EXPECT_TRUE(shell.messageBoxes.empty());
    EXPECT_EQ(io::encodeCircuit(window.circuit()), before);
    EXPECT_TRUE(window.isPowerOn());
    EXPECT_EQ(shell.runningTimers.count(timer::GeneratorClock), 1u);
    EXPECT_TRUE(autosaveRunning());
    EXPECT_TRUE(fs::is_directory(fs::path(io::kRecoveryFileName) / "keep"));
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_EQ(entry.path().filename(), io::kRecoveryFileName) << "no temporary file is left";
}

TEST_F(RecoveryTest, DestroyingTheWindowStopsBothTimersAndEmptiesTheFile) {
    const std::vector<uint8_t> saved = sampleBytes();
    std::ofstream(io::kRecoveryFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(saved.data()), static_cast<long>(saved.size()));
    window.OnCreate();
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    window.OnDestroy();
    EXPECT_TRUE(shell.runningTimers.empty());
    ASSERT_TRUE(fs::exists(io::kRecoveryFileName));
    EXPECT_EQ(fs::file_size(io::kRecoveryFileName), 0u);

    // The next start shows an empty work area.
    ScriptedShell nextShell;
    CVortafrm next(nextShell);
    next.OnCreate();
    EXPECT_TRUE(next.circuit().isEmpty());
}

TEST_F(RecoveryTest, AutosaveRewritesTheFileInPlaceWhenNothingCanBeCreatedBesideIt) {
    fs::create_directory("locked");
    fs::current_path("locked");
    std::ofstream(io::kRecoveryFileName).close();
    ::chmod(io::kRecoveryFileName, 0666);
    window.OnCreate();
    giveSampleCircuit(window);
    ::chmod(".", 0555);
    {
        WithoutRootPrivilege unprivileged(directory.path());
        if (canCreateFileIn(".")) GTEST_SKIP() << "this process may write anywhere";
        window.OnTimer(timer::Autosave);
    }
    ::chmod(".", 0755);
    EXPECT_EQ(bytesOf(io::kRecoveryFileName), sampleBytes());
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
    EXPECT_TRUE(shell.messageBoxes.empty());
}

// The recovery file may be a link to where the user keeps it, even to a file that
// is not there yet: the link stays and its target is what is restored and written.
TEST_F(RecoveryTest, ALinkedRecoveryFileIsWrittenThroughItsLink) {
    fs::create_directory("store");
    fs::create_symlink("store/recovery.vrt", io::kRecoveryFileName);
    window.OnCreate();
    EXPECT_TRUE(autosaveRunning());
    giveSampleCircuit(window);
    window.OnTimer(timer::Autosave);
    EXPECT_EQ(bytesOf("store/recovery.vrt"), sampleBytes());

    ScriptedShell nextShell;
    CVortafrm next(nextShell);
    next.OnCreate();
    EXPECT_EQ(io::encodeCircuit(next.circuit()), sampleBytes());
    next.OnDestroy();
    EXPECT_TRUE(fs::is_symlink(io::kRecoveryFileName));
    EXPECT_EQ(fs::read_symlink(io::kRecoveryFileName), "store/recovery.vrt");
    EXPECT_EQ(fs::file_size("store/recovery.vrt"), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator("store"), fs::directory_iterator()), 1);
}

TEST_F(RecoveryTest, StartRemovesOnlyTheTemporaryFilesOfWritersThatAreGone) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string base = io::kRecoveryFileName;
    const std::vector<std::string> kept = {base + ".tmp" + std::to_string(::getpid()) + "-0",
                                           base + ".tmpx-0", base + ".tmp-1-0", base + ".bak",
                                           "other.vrt.tmp" + std::to_string(gone) + "-0"};
    const std::string abandoned = base + ".tmp" + std::to_string(gone) + "-3";
    for (const std::string& name : kept) std::ofstream(name).put('x');
    std::ofstream(abandoned).put('x');

    window.OnCreate();
    EXPECT_FALSE(fs::exists(abandoned));
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(name)) << name;
}

TEST(SampleFixtureTest, TheCommittedRecoveryFixtureHoldsTheSampleCircuit) {
    const fs::path fixture = fs::path(LOTRA_SOURCE_DIR) / kSampleFixturePath;
    const std::vector<uint8_t> expected = sampleBytes();
    if (bytesOf(fixture) != expected) {
        const fs::path fresh = fs::path(LOTRA_BINARY_DIR) / "sample-circuit.vrt";
        std::ofstream(fresh, std::ios::binary)
            .write(reinterpret_cast<const char*>(expected.data()),
                   static_cast<long>(expected.size()));
        FAIL() << fixture << " differs from the sample circuit; the current bytes are in " << fresh;
    }
}

}  // namespace
