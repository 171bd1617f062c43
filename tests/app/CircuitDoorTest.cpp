#include <gtest/gtest.h>

#include <fstream>

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
class OpenedFirstFile : public ::testing::Test {
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

class CircuitDoorTest : public OpenedFirstFile, public ::testing::WithParamInterface<Arrival> {};

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

// Bytes of a picture, which the reader finds no record in.
const Bytes kPngBytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};

// The ways a file that is not a circuit can be offered, each answered so that it would
// come in.
struct Offer {
    const char* what;
    void (*offer)(CVortafrm& window, ScriptedShell& shell);
};

const Offer kOffers[] = {
    {"Open",
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         shell.fileNameAnswers = {"picture.png"};
         window.OnCommand(command::FileOpen);
     }},
    {"FromDisk",
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         shell.computerFileAnswers = {platform::ComputerFile{"picture.png", kPngBytes}};
         window.OnCommand(command::FileLoadFromDisk);
     }},
    {"Dropped",
     [](CVortafrm& window, ScriptedShell& shell) {
         shell.warningAnswers = {true};
         window.OnDropFile({"picture.png", kPngBytes});
     }},
};

void PrintTo(const Offer& offer, std::ostream* out) {
    *out << offer.what;
}

class ForeignFileTest : public OpenedFirstFile, public ::testing::WithParamInterface<Offer> {};

void writeBytes(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The picture is refused in the words lotra-sim uses; the work area, its file name
// and the history stay, and the next Save goes to the circuit's own file.
TEST_P(ForeignFileTest, IsRefusedAndTheCircuitAndItsNameStay) {
    writeBytes("picture.png", kPngBytes);
    const Bytes before = shown();
    const size_t stepsBefore = window.history().undoCount();

    GetParam().offer(window, shell);

    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Файл picture.png: это не файл схемы");
    EXPECT_EQ(shell.messageBoxes[0].caption, "Ошибка");
    EXPECT_EQ(shell.unanswered, 0);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(window.currentFileName(), "first.vrt");
    EXPECT_EQ(window.history().undoCount(), stepsBefore);
    EXPECT_EQ(bytesOf("picture.png"), kPngBytes);

    choose(command::FileSave);
    EXPECT_EQ(bytesOf("picture.png"), kPngBytes);
    EXPECT_EQ(bytesOf("first.vrt"), before);
}

INSTANTIATE_TEST_SUITE_P(EachWayIn, ForeignFileTest, ::testing::ValuesIn(kOffers),
                         [](const ::testing::TestParamInfo<Offer>& offer) {
                             return std::string(offer.param.what);
                         });

// A current file that something else has since turned into a picture is written over
// only after the warning for an existing file.
TEST_F(OpenedFirstFile, SaveOverACurrentFileThatIsNoLongerACircuitWarnsFirst) {
    writeBytes("first.vrt", kPngBytes);
    shell.warningAnswers = {false};
    choose(command::FileSave);
    ASSERT_EQ(shell.warnings.size(), 1u);
    EXPECT_EQ(shell.warnings[0][0], "Файл с именем first.vrt уже существует!");
    EXPECT_EQ(bytesOf("first.vrt"), kPngBytes);

    shell.warningAnswers = {true};
    choose(command::FileSave);
    EXPECT_EQ(bytesOf("first.vrt"), shown());
}

}  // namespace
