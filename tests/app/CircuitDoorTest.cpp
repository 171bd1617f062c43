#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"
#include "support/TemporaryDirectory.h"

namespace {

using Bytes = std::vector<uint8_t>;

CCircuit sampleCircuit() {
    CCircuit circuit;
    buildSampleCircuit(circuit);
    return circuit;
}

CCircuit otherCircuit() {
    CCircuit other;
    CircuitBuilder(other).block(Trigger, 300, 300);
    return other;
}

Bytes otherBytes() {
    return io::encodeCircuit(otherCircuit());
}

// Each way a new circuit comes into the window, answered so that it does.
struct Arrival {
    const char* what;
    const char* fileName;  // the current file afterwards
    Bytes fileBytes;       // what that file then holds
    Bytes shownBytes;      // the circuit then shown, written out
    void (*arrive)(CVortafrm& window, ScriptedShell& shell);
};

void PrintTo(const Arrival& arrival, std::ostream* out) {
    *out << arrival.what;
}

const Arrival kArrivals[] = {
    {"New",
     "new.vrt",
     {},
     io::encodeCircuit(CCircuit{}),
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         shell.fileNameAnswers = {"new.vrt"};
         window.OnCommand(command::FileNew);
     }},
    {"Open", "other.vrt", otherBytes(), otherBytes(),
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         shell.fileNameAnswers = {"other.vrt"};
         window.OnCommand(command::FileOpen);
     }},
    {"FromDisk", "loaded.vrt", otherBytes(), otherBytes(),
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         shell.computerFileAnswers = {platform::ComputerFile{"loaded.vrt", otherBytes()}};
         window.OnCommand(command::FileLoadFromDisk);
     }},
    {"Dropped", "dropped.vrt", otherBytes(), otherBytes(),
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         window.OnDropFile({"dropped.vrt", otherBytes()});
     }},
};

// The student has opened first.vrt and chosen a summer that waits to be placed,
// when a new circuit comes in.
class CircuitDoorTest : public ::testing::TestWithParam<Arrival> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory.ok());
        ASSERT_TRUE(io::writeCircuitFile("first.vrt", sampleCircuit()));
        ASSERT_TRUE(io::writeCircuitFile("other.vrt", otherCircuit()));
        shell.warningAnswers = {true};
        shell.fileNameAnswers = {"first.vrt"};
        window.OnCommand(command::FileOpen);
        ASSERT_EQ(window.currentFileName(), "first.vrt");
        shell.pointer = kSummerPlace;
        window.OnCommand(command::InsertSummer);
        ASSERT_TRUE(window.editState().pendingBlockElement);
        shell.clearRecords();
    }
    Bytes shown() const { return io::encodeCircuit(window.circuit()); }
    void choose(int id) {
        EXPECT_TRUE(window.isCommandEnabled(id)) << id;
        window.OnCommand(id);
    }

    static constexpr Point kSummerPlace{500, 400};
    TemporaryDirectory directory;
    const Bytes first = io::encodeCircuit(sampleCircuit());
    ScriptedShell shell;
    CVortafrm window{shell};
};

// Undone, the circuit before comes back under its own name, so a save goes to that
// file and never writes it over the one that came in.
TEST_P(CircuitDoorTest, AnArrivalIsOneStepThatBringsBackTheCircuitAndTheNameBefore) {
    const Arrival& arrival = GetParam();
    const size_t stepsBefore = window.history().undoCount();

    arrival.arrive(window, shell);
    EXPECT_EQ(shell.unanswered, 0);
    EXPECT_EQ(shown(), arrival.shownBytes);
    EXPECT_EQ(window.currentFileName(), arrival.fileName);
    EXPECT_EQ(window.history().undoCount(), stepsBefore + 1);
    EXPECT_EQ(shell.workAreaInvalidations(true), 1);
    ASSERT_TRUE(window.editState().pendingBlockElement) << "the summer still waits";

    // Placed in the new circuit, the summer is a step of its own.
    window.OnLButtonDown(platform::MK_LBUTTON, kSummerPlace);
    window.OnLButtonUp(0, kSummerPlace);
    const Bytes withSummer = shown();
    choose(command::EditUndo);
    EXPECT_EQ(shown(), arrival.shownBytes);
    choose(command::EditUndo);
    EXPECT_EQ(shown(), first);
    EXPECT_EQ(window.currentFileName(), "first.vrt");

    choose(command::FileSave);
    EXPECT_EQ(bytesOf("first.vrt"), first);
    EXPECT_EQ(bytesOf(arrival.fileName), arrival.fileBytes);

    choose(command::EditRedo);
    EXPECT_EQ(window.currentFileName(), arrival.fileName);
    choose(command::EditRedo);
    EXPECT_EQ(shown(), withSummer);
}

INSTANTIATE_TEST_SUITE_P(EachWayIn, CircuitDoorTest, ::testing::ValuesIn(kArrivals),
                         [](const ::testing::TestParamInfo<Arrival>& arrival) {
                             return std::string(arrival.param.what);
                         });

}  // namespace
