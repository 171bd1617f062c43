#include "FileCommandTestFixture.h"
#include "io/CircuitFile.h"

namespace {

using FileSaveTest = FileCommandTest;
using FileSaveAsTest = FileCommandTest;

TEST_F(FileSaveTest, CurrentFileIsOverwrittenWithoutAnyQuestion) {
    writeFile("data.vrt", otherCircuitBytes());
    currentFileName = "data.vrt";
    buildSampleCircuit();

    app::fileSave(context());

    EXPECT_EQ(fileBytes("data.vrt"), io::encodeCircuit(circuit));
    EXPECT_TRUE(shell.log.empty());
    EXPECT_EQ(currentFileName, "data.vrt");
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"data.vrt"});
}

TEST_F(FileSaveTest, WithoutANameCancellingSaysNotSavedAndWritesNothing) {
    buildSampleCircuit();
    shell.fileNameAnswers = {std::nullopt};

    app::fileSave(context());

    ASSERT_EQ(shell.fileNameCalls.size(), 1u);
    EXPECT_EQ(shell.fileNameCalls[0].label, "Имя файла");
    EXPECT_EQ(shell.fileNameCalls[0].preset, "");
    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Файл не сохранен!");
    EXPECT_EQ(shell.messageBoxes[0].caption, "");
    EXPECT_EQ(shell.messageBoxes[0].style, platform::MessageBoxStyle::Ok);
    EXPECT_TRUE(directoryEntries().empty());
    EXPECT_EQ(currentFileName, "");
}

TEST_F(FileSaveTest, WithoutANameANewNameIsWrittenAndBecomesCurrent) {
    buildSampleCircuit();
    shell.fileNameAnswers = {"circuit.vrt"};

    app::fileSave(context());

    EXPECT_EQ(fileBytes("circuit.vrt"), io::encodeCircuit(circuit));
    EXPECT_EQ(currentFileName, "circuit.vrt");
    EXPECT_TRUE(shell.warnings.empty());
    EXPECT_TRUE(shell.messageBoxes.empty());
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"circuit.vrt"});
}

TEST_F(FileSaveTest, WithoutANameRefusingToOverwriteWritesNothingAndAsksAgainNextTime) {
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("data.vrt", kept);
    buildSampleCircuit();
    shell.fileNameAnswers = {"data.vrt", "data.vrt"};
    shell.warningAnswers = {false, true};

    app::fileSave(context());

    EXPECT_EQ(shell.warnings,
              std::vector<std::vector<std::string>>{existingFileWarning("data.vrt")});
    EXPECT_EQ(fileBytes("data.vrt"), kept);
    EXPECT_EQ(currentFileName, "");

    app::fileSave(context());

    EXPECT_EQ(shell.fileNameCalls.size(), 2u);
    EXPECT_EQ(fileBytes("data.vrt"), io::encodeCircuit(circuit));
    EXPECT_EQ(currentFileName, "data.vrt");
    EXPECT_TRUE(shell.messageBoxes.empty());
    EXPECT_EQ(shell.unanswered, 0);
}

TEST_F(FileSaveAsTest, NewNameIsWrittenAndBecomesCurrent) {
    writeFile("old.vrt", otherCircuitBytes());
    currentFileName = "old.vrt";
    buildSampleCircuit();
    shell.fileNameAnswers = {"copy.vrt"};

    app::fileSaveAs(context());

    ASSERT_EQ(shell.fileNameCalls.size(), 1u);
    EXPECT_EQ(shell.fileNameCalls[0].label, "Имя файла");
    EXPECT_EQ(shell.fileNameCalls[0].preset, "old.vrt");
    EXPECT_EQ(fileBytes("copy.vrt"), io::encodeCircuit(circuit));
    EXPECT_EQ(fileBytes("old.vrt"), otherCircuitBytes());
    EXPECT_EQ(currentFileName, "copy.vrt");
    EXPECT_TRUE(shell.warnings.empty());
}

TEST_F(FileSaveAsTest, CancellingShowsNothingElse) {
    currentFileName = "old.vrt";
    buildSampleCircuit();
    shell.fileNameAnswers = {std::nullopt};

    app::fileSaveAs(context());

    EXPECT_EQ(shell.log, std::vector<std::string>{"fileName: Имя файла"});
    EXPECT_EQ(currentFileName, "old.vrt");
    EXPECT_TRUE(directoryEntries().empty());
}

TEST_F(FileSaveAsTest, ExistingNameIsOverwrittenOnlyAfterContinue) {
    const std::vector<uint8_t> kept = otherCircuitBytes();
    writeFile("data.vrt", kept);
    currentFileName = "old.vrt";
    buildSampleCircuit();
    shell.fileNameAnswers = {"data.vrt", "data.vrt"};
    shell.warningAnswers = {false, true};

    app::fileSaveAs(context());

    EXPECT_EQ(fileBytes("data.vrt"), kept);
    EXPECT_EQ(currentFileName, "old.vrt");

    app::fileSaveAs(context());

    EXPECT_EQ(shell.warnings.size(), 2u);
    EXPECT_EQ(fileBytes("data.vrt"), io::encodeCircuit(circuit));
    EXPECT_EQ(currentFileName, "data.vrt");
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"data.vrt"});
}

}  // namespace
