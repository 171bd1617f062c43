#include <gtest/gtest.h>

#include <algorithm>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "support/FileContents.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowCircuit.h"

namespace {

using platform::SaveChangesAnswer;

class UnsavedChangesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(directory.ok()); }

    // Whether the window may close, and whether it asked first.
    std::pair<bool, bool> close() {
        shell.clearRecords();
        const bool closes = window.OnQueryClose();
        const bool asked = std::count(shell.log.begin(), shell.log.end(), "saveChanges") == 1;
        return {closes, asked};
    }
    void placeSummer() {
        shell.pointer = Point{500, 400};
        window.OnCommand(command::InsertSummer);
        window.OnLButtonDown(platform::MK_LBUTTON, *shell.pointer);
        window.OnLButtonUp(0, *shell.pointer);
    }

    TemporaryDirectory directory;
    ScriptedShell shell;
    CVortafrm window{shell};
};

const std::pair<bool, bool> kClosesUnasked{true, false};

// Changes count from the last Open or Save, through the undo history: levels alone
// and steps undone back to the file are nothing to lose.
TEST_F(UnsavedChangesTest, CloseAsksOnlyWhenTheCircuitDiffersFromItsFile) {
    EXPECT_EQ(close(), kClosesUnasked) << "an empty new window";
    CCircuit sample;
    buildSampleCircuit(sample);
    ASSERT_TRUE(io::writeCircuitFile("first.vrt", sample));
    shell.warningAnswers = {true};
    shell.fileNameAnswers = {"first.vrt"};
    window.OnCommand(command::FileOpen);
    EXPECT_EQ(close(), kClosesUnasked) << "just opened";
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::PowerOff);
    EXPECT_EQ(close(), kClosesUnasked) << "levels alone";

    placeSummer();
    EXPECT_TRUE(window.hasUnsavedChanges());
    shell.saveChangesAnswers = {SaveChangesAnswer::Cancel};
    EXPECT_EQ(close(), std::make_pair(false, true));
    window.OnCommand(command::EditUndo);
    EXPECT_EQ(close(), kClosesUnasked) << "undone back to the file";
    window.OnCommand(command::EditRedo);
    shell.saveChangesAnswers = {SaveChangesAnswer::DontSave};
    EXPECT_EQ(close(), std::make_pair(true, true));
    EXPECT_EQ(bytesOf("first.vrt"), io::encodeCircuit(sample)) << "not saved";

    shell.saveChangesAnswers = {SaveChangesAnswer::Save};
    EXPECT_EQ(close(), std::make_pair(true, true));
    EXPECT_EQ(bytesOf("first.vrt"), io::encodeCircuit(window.circuit()));
    EXPECT_EQ(close(), kClosesUnasked) << "saved";
}

// "Сохранить" for a circuit with no file asks its name as Save does; without one
// the window stays.
TEST_F(UnsavedChangesTest, SavingACircuitWithoutAFileAsksItsNameAndStaysWithoutOne) {
    giveSampleCircuit(window);
    shell.saveChangesAnswers = {SaveChangesAnswer::Save};
    shell.fileNameAnswers = {std::nullopt};
    EXPECT_EQ(close(), std::make_pair(false, true));
    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Файл не сохранен!");

    shell.saveChangesAnswers = {SaveChangesAnswer::Save};
    shell.fileNameAnswers = {"named.vrt"};
    EXPECT_EQ(close(), std::make_pair(true, true));
    EXPECT_EQ(bytesOf("named.vrt"), io::encodeCircuit(window.circuit()));
    EXPECT_EQ(window.currentFileName(), "named.vrt");
    EXPECT_EQ(shell.unanswered, 0);
}

}  // namespace
