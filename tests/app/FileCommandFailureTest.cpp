#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "FileCommandTestFixture.h"
#include "io/CircuitFile.h"
#include "support/WithoutRootPrivilege.h"

namespace {

bool canOpenForWriting(const char* path) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// Every write past `bytes` into a regular file fails while in scope, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    sighandler_t previousHandler_;
};

class FileCommandFailureTest : public FileCommandTest {
  protected:
    void expectWriteFailureReported(const std::string& name) {
        ASSERT_EQ(shell.messageBoxes.size(), 1u) << name;
        EXPECT_EQ(shell.messageBoxes[0].text, "Не удалось записать файл " + name + "!");
        EXPECT_EQ(shell.messageBoxes[0].caption, "Ошибка");
        EXPECT_EQ(shell.messageBoxes[0].style, platform::MessageBoxStyle::Ok);
    }
};

TEST_F(FileCommandFailureTest, ReadOnlyFolderKeepsTheOldFileAndName) {
    std::filesystem::create_directory("locked");
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("locked/data.vrt", kept);
    currentFileName = "locked/data.vrt";
    buildSampleCircuit();
    ::chmod("locked", 0555);
    {
        WithoutRootPrivilege unprivileged;
        if (canCreateFileIn("locked")) GTEST_SKIP() << "this process may write anywhere";
        app::fileSave(context());
        shell.fileNameAnswers = {"locked/copy.vrt"};
        app::fileSaveAs(context());
    }
    ::chmod("locked", 0755);
    ASSERT_EQ(shell.messageBoxes.size(), 2u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Не удалось записать файл locked/data.vrt!");
    EXPECT_EQ(shell.messageBoxes[1].text, "Не удалось записать файл locked/copy.vrt!");
    EXPECT_EQ(shell.messageBoxes[1].caption, "Ошибка");
    EXPECT_TRUE(shell.warnings.empty());
    EXPECT_EQ(fileBytes("locked/data.vrt"), kept);
    EXPECT_FALSE(fileBytes("locked/copy.vrt"));
    EXPECT_EQ(currentFileName, "locked/data.vrt");
}

TEST_F(FileCommandFailureTest, OpenReadsAFileTheUserMayNotWrite) {
    const std::vector<uint8_t> stored = otherCircuitBytes();
    writeFile("stored.vrt", stored);
    ::chmod("stored.vrt", 0444);
    buildSampleCircuit();
    shell.warningAnswers = {true};
    shell.fileNameAnswers = {"stored.vrt"};
    {
        WithoutRootPrivilege unprivileged;
        if (canOpenForWriting("stored.vrt")) GTEST_SKIP() << "this process may write any file";
        app::fileOpen(context());
    }
    EXPECT_TRUE(shell.messageBoxes.empty());
    EXPECT_EQ(io::encodeCircuit(circuit), stored);
    EXPECT_EQ(currentFileName, "stored.vrt");
}

TEST_F(FileCommandFailureTest, UncreatableNameIsReportedWithoutAskingToOverwrite) {
    writeFile("plain", {});
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("old.vrt", kept);
    for (const std::string name : {"missing/circuit.vrt", "plain/circuit.vrt"}) {
        for (const bool viaNew : {false, true}) {
            shell.clearRecords();
            buildSampleCircuit();
            currentFileName = "old.vrt";
            shell.warningAnswers = {true};
            shell.fileNameAnswers = {name};

            if (viaNew) {
                app::fileNew(context());
            } else {
                app::fileSaveAs(context());
            }

            expectWriteFailureReported(name);
            EXPECT_EQ(shell.warnings.size(), viaNew ? 1u : 0u) << name;
            EXPECT_EQ(currentFileName, "old.vrt");
            EXPECT_EQ(fileBytes("old.vrt"), kept);
            circuit.clearCircuit();
        }
    }
    EXPECT_EQ(directoryEntries(), (std::vector<std::string>{"old.vrt", "plain"}));
}

TEST_F(FileCommandFailureTest, SaveWithoutANameIntoAMissingFolderLeavesNoName) {
    buildSampleCircuit();
    shell.fileNameAnswers = {"missing/circuit.vrt"};

    app::fileSave(context());

    expectWriteFailureReported("missing/circuit.vrt");
    EXPECT_TRUE(shell.warnings.empty());
    EXPECT_EQ(currentFileName, "");
}

TEST_F(FileCommandFailureTest, FailedWriteOfTheCurrentFileKeepsItsBytes) {
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("data.vrt", kept);
    currentFileName = "data.vrt";
    buildSampleCircuit();
    ASSERT_GT(io::encodeCircuit(circuit).size(), 64u);
    {
        FileSizeLimit limit(64);
        app::fileSave(context());
    }
    expectWriteFailureReported("data.vrt");
    EXPECT_EQ(fileBytes("data.vrt"), kept);
    EXPECT_EQ(currentFileName, "data.vrt");
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"data.vrt"});
}

TEST_F(FileCommandFailureTest, FailedWriteUnderATypedNameKeepsOldNameAndFiles) {
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("data.vrt", kept);
    currentFileName = "old.vrt";
    buildSampleCircuit();
    shell.fileNameAnswers = {"fresh.vrt", "data.vrt"};
    shell.warningAnswers = {true};
    {
        FileSizeLimit limit(64);
        app::fileSaveAs(context());
        app::fileSaveAs(context());
    }
    ASSERT_EQ(shell.messageBoxes.size(), 2u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Не удалось записать файл fresh.vrt!");
    EXPECT_EQ(shell.messageBoxes[1].text, "Не удалось записать файл data.vrt!");
    EXPECT_EQ(shell.warnings,
              std::vector<std::vector<std::string>>{existingFileWarning("data.vrt")});
    // The empty file made while checking the name is gone again.
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"data.vrt"});
    EXPECT_EQ(fileBytes("data.vrt"), kept);
    EXPECT_EQ(currentFileName, "old.vrt");
}

// Root passes every access check, so the protection is judged by the file's bits
// alone: this test means the same for root and for anyone else.
TEST_F(FileCommandFailureTest, AWriteProtectedFileIsReplacedByNoCommand) {
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("kept.vrt", kept);
    ::chmod("kept.vrt", 0444);
    using Command = void (*)(const app::FileCommandContext&);
    for (const Command command :
         {Command{app::fileSave}, Command{app::fileSaveAs}, Command{app::fileNew}}) {
        shell.clearRecords();
        buildSampleCircuit();
        currentFileName = command == app::fileSave ? "kept.vrt" : "old.vrt";
        const std::string nameBefore = currentFileName;
        shell.warningAnswers = {true, true};
        shell.fileNameAnswers = {"kept.vrt"};

        command(context());

        expectWriteFailureReported("kept.vrt");
        EXPECT_EQ(currentFileName, nameBefore);
        circuit.clearCircuit();
    }
    EXPECT_EQ(fileBytes("kept.vrt"), kept);
    EXPECT_EQ(std::filesystem::status("kept.vrt").permissions(), std::filesystem::perms(0444));
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"kept.vrt"});
}

// /proc/self/mem is a regular file whose first page cannot be read: a real I/O error.
TEST_F(FileCommandFailureTest, AFileThatCannotBeReadWholeIsReportedAndNothingChanges) {
    buildSampleCircuit();
    const std::vector<uint8_t> before = io::encodeCircuit(circuit);
    currentFileName = "old.vrt";
    shell.warningAnswers = {true};
    shell.fileNameAnswers = {"/proc/self/mem"};

    app::fileOpen(context());

    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Не удалось прочитать файл /proc/self/mem!");
    EXPECT_EQ(shell.messageBoxes[0].caption, "Ошибка");
    EXPECT_EQ(shell.messageBoxes[0].style, platform::MessageBoxStyle::Ok);
    EXPECT_EQ(io::encodeCircuit(circuit), before);
    EXPECT_EQ(currentFileName, "old.vrt");
}

// A save that was killed leaves its temporary file; the next save or open of that
// name clears away those whose writer is gone, and nothing else.
TEST_F(FileCommandFailureTest, SavingOrOpeningANameRemovesTheTemporariesOfDeadWriters) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string dead = ".tmp" + std::to_string(gone);
    const std::vector<std::string> kept = {"data.vrt",
                                           "data.vrt.tmp" + std::to_string(::getpid()) + "-0",
                                           "data.vrt.tmpx-0",
                                           "data.vrt2" + dead + "-0",
                                           "data.vrt" + dead + "-0.bak",
                                           "other.vrt" + dead + "-0"};
    for (const bool viaOpen : {true, false}) {
        for (const std::string& name : kept) writeFile(name, otherCircuitBytes());
        writeFile("data.vrt" + dead + "-0", {1});
        writeFile("data.vrt" + dead + "-12", {2});
        currentFileName = "data.vrt";
        shell.warningAnswers = {true};
        shell.fileNameAnswers = {"data.vrt"};

        viaOpen ? app::fileOpen(context()) : app::fileSave(context());

        std::vector<std::string> expected = kept;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(directoryEntries(), expected) << (viaOpen ? "open" : "save");
    }
    EXPECT_TRUE(shell.messageBoxes.empty());
}

}  // namespace
