#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/FileCommandTestFixture.h"
#include "io/CircuitFile.h"
#include "io/Recovery.h"
#include "io/Temporaries.h"

namespace {

namespace fs = std::filesystem;

class SaveAsSafetyTest : public FileCommandTest {
  protected:
    // A process that saves the circuit under new names, one after another, until
    // it is killed.
    pid_t startSavingUnderNewNames() {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i) {
                shell.fileNameAnswers.push_back("saved-" + std::to_string(i) + ".vrt");
                app::fileSaveAs(context());
            }
        }
        return child;
    }
};

TEST_F(SaveAsSafetyTest, AKillDuringSaveAsNeverLeavesTheNewNameShortOfItsContent) {
    buildSampleCircuit();
    const std::vector<uint8_t> saved = io::encodeCircuit(circuit);
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delayUs(500, 15000);
    int namesSeen = 0;
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = startSavingUnderNewNames();
        ASSERT_GT(child, 0);
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        for (const std::string& name : directoryEntries()) {
            if (name.find(".tmp") != std::string::npos) continue;
            ASSERT_EQ(fileBytes(name), saved) << name << " after kill " << kill;
            fs::remove(name);
            ++namesSeen;
        }
        for (const std::string& name : directoryEntries()) fs::remove(name);
    }
    EXPECT_GT(namesSeen, 0);
}

// The writer died after its temporary was complete and before the rename, over an
// empty file: opening that file must not throw the only whole copy away. A
// temporary no longer than the file is of an older content and goes.
TEST_F(SaveAsSafetyTest, OpeningKeepsADeadWritersTemporaryThatIsLongerThanTheFile) {
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    const std::string longer = "work.vrt.tmp" + std::to_string(dead) + "-0";
    const std::string shorter = "notes.vrt.tmp" + std::to_string(dead) + "-0";
    writeFile("work.vrt", {});
    writeFile(longer, otherCircuitBytes());
    writeFile("notes.vrt", otherCircuitBytes());
    writeFile(shorter, {1, 2, 3});

    app::openNamedFile(context(), "work.vrt");
    app::openNamedFile(context(), "notes.vrt");
    EXPECT_EQ(fileBytes(longer), otherCircuitBytes());
    EXPECT_FALSE(fs::exists(shorter));
}

// The recovery file is emptied at every normal exit: a circuit saved under its name,
// however spelt, would be lost.
TEST_F(SaveAsSafetyTest, TheRecoveryFileIsRefusedAsANameToSaveUnder) {
    buildSampleCircuit();
    writeFile(io::kRecoveryFileName, otherCircuitBytes());
    fs::create_directory("sub");
    fs::create_symlink(fs::absolute(io::kRecoveryFileName), "recovery-link.vrt");
    for (const std::string& name :
         std::vector<std::string>{"default.vrt", "./default.vrt", "sub/../default.vrt",
                                  "recovery-link.vrt", fs::absolute("default.vrt").string()}) {
        shell.messageBoxes.clear();
        shell.fileNameAnswers.push_back(name);
        app::fileSaveAs(context());
        ASSERT_EQ(shell.messageBoxes.size(), 1u) << name;
        EXPECT_EQ(shell.messageBoxes[0].text,
                  "Файл " + name +
                      " - файл восстановления, программа очищает его при выходе! Сохраните "
                      "схему под другим именем.");
        EXPECT_EQ(shell.messageBoxes[0].caption, "Ошибка");
        EXPECT_EQ(currentFileName, "");
    }
    EXPECT_TRUE(shell.warnings.empty());
    EXPECT_EQ(fileBytes(io::kRecoveryFileName), otherCircuitBytes());
    // Any other name is saved as before.
    shell.fileNameAnswers.push_back("default.vrt.bak");
    app::fileSaveAs(context());
    EXPECT_EQ(currentFileName, "default.vrt.bak");
}

}  // namespace
