#include <filesystem>

#include "FileCommandTestFixture.h"
#include "io/CircuitFile.h"

namespace {

using Lines = std::vector<std::string>;
using FileLoadTest = FileCommandTest;

// A file from the computer lands in the folder under its own name, made a plain
// name there, and is opened from there as "Открыть..." opens a typed name.
TEST_F(FileLoadTest, AFileFromTheComputerIsCopiedIntoTheFolderAndOpenedThere) {
    const std::vector<std::pair<std::string, std::string>> names{
        {"lab.vrt", "lab.vrt"}, {"home/lab.vrt", "home_lab.vrt"}, {"..", "_.."}, {"", "_"}};
    const std::vector<uint8_t> bytes = otherCircuitBytes();
    for (const auto& [computerName, folderName] : names) {
        SCOPED_TRACE(computerName);
        buildSampleCircuit();
        shell.clearRecords();
        shell.warningAnswers = {true};
        shell.computerFileAnswers = {platform::ComputerFile{computerName, bytes}};

        app::fileLoadFromDisk(context());

        EXPECT_EQ(shell.log,
                  (Lines{"warning: Внимание!!!", "computerFile", "replaced: " + folderName}));
        EXPECT_EQ(shell.warnings[0][1], "При открытии файла");
        EXPECT_EQ(fileBytes(folderName), bytes);
        EXPECT_EQ(io::encodeCircuit(circuit), bytes);
        EXPECT_EQ(currentFileName, folderName);
    }
}

// Refused, cancelled or failed, a file from the computer or a dropped one leaves the
// circuit, its name and the folder's files as they were.
TEST_F(FileLoadTest, AFileThatDoesNotComeInChangesNothing) {
    struct Case {
        const char* what;
        std::deque<bool> warnings;
        std::optional<platform::ComputerFile> chosen;  // dropped when there are no choices
        bool dropped;
        Lines log;
    };
    const std::vector<uint8_t> bytes = otherCircuitBytes();
    const platform::ComputerFile taken{"taken.vrt", bytes};
    const platform::ComputerFile folder{"folder.vrt", bytes};
    const std::vector<Case> cases{
        {"the warning refused", {false}, taken, false, {"warning: Внимание!!!"}},
        {"nothing chosen", {true}, std::nullopt, false, {"warning: Внимание!!!", "computerFile"}},
        {"an existing name kept",
         {true, false},
         taken,
         false,
         {"warning: Внимание!!!", "computerFile",
          "warning: Файл с именем taken.vrt уже существует!"}},
        {"a drop refused", {false}, taken, true, {"warning: Внимание!!!"}},
        {"a name the folder cannot take",
         {true, true},
         folder,
         true,
         {"warning: Внимание!!!", "warning: Файл с именем folder.vrt уже существует!",
          "messageBox: Не удалось записать файл folder.vrt!"}},
    };
    const std::vector<uint8_t> takenBefore = {1, 2, 3};
    writeFile("taken.vrt", takenBefore);
    std::filesystem::create_directory("folder.vrt");
    buildSampleCircuit();
    currentFileName = "lab.vrt";
    const std::vector<uint8_t> before = io::encodeCircuit(circuit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        shell.clearRecords();
        shell.warningAnswers = c.warnings;
        if (c.dropped) {
            app::openDroppedFile(context(), *c.chosen);
        } else {
            shell.computerFileAnswers = {c.chosen};
            app::fileLoadFromDisk(context());
        }
        EXPECT_EQ(shell.log, c.log);
        EXPECT_EQ(shell.unanswered, 0);
        EXPECT_EQ(io::encodeCircuit(circuit), before);
        EXPECT_EQ(currentFileName, "lab.vrt");
        EXPECT_EQ(fileBytes("taken.vrt"), takenBefore);
        shell.computerFileAnswers.clear();
    }
}

}  // namespace
