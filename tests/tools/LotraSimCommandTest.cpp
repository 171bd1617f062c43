#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"
#include "support/LotraSim.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

using Outcome = LotraSimOutcome;

class LotraSimCommand : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temporary.ok()); }

    fs::path save(const CCircuit& circuit, const char* name = "circuit.vrt") {
        fs::path path = dir / name;
        EXPECT_TRUE(io::writeCircuitFile(path.string(), circuit));
        return path;
    }
    // Runs the built command with the arguments (quoted by the caller where needed).
    Outcome lotraSim(const std::string& args) { return runLotraSim(args, dir); }

    TemporaryDirectory temporary;
    const fs::path& dir = temporary.path();
};

TEST_F(LotraSimCommand, ChainOfGatesSettlesAfterPowerOn) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t signal = b.block(EntrSignal, 0, 0);
    circuit.blockElements[signal]->pins[9].value = 1;
    const int32_t inverter = b.gate(false, 1, true, 50, 0);
    const int32_t buffer = b.gate(true, 1, false, 100, 0);
    const int32_t nor = b.gate(false, 2, true, 150, 0);
    b.wire(EntrSignal, signal, 9, LogicElement, inverter, 2);
    b.wire(LogicElement, inverter, 9, LogicElement, buffer, 2);
    b.wire(LogicElement, buffer, 9, LogicElement, nor, 4);
    const fs::path file = save(circuit);

    const Outcome powered = lotraSim("'" + file.string() + "'");
    EXPECT_EQ(powered.status, 0);
    EXPECT_EQ(powered.err, "");
    EXPECT_EQ(powered.out,
              "L0 LogicElement 2=1 9=0\n"
              "L1 LogicElement 2=0 9=0\n"
              "L2 LogicElement 0=0 4=0 9=1\n"
              "B0 EntrSignal 9=1\n");

    // Without power the levels stay as written: the inverter shows its fresh 1.
    const Outcome unpowered = lotraSim("--no-power '" + file.string() + "'");
    EXPECT_EQ(unpowered.out,
              "L0 LogicElement 2=0 9=1\n"
              "L1 LogicElement 2=0 9=0\n"
              "L2 LogicElement 0=0 4=0 9=1\n"
              "B0 EntrSignal 9=1\n");
}

// A generator with a 4-tick period (rising at counter 1, falling at counter 2)
// clocks a trigger with J = K = 1, which toggles on each falling edge.
TEST_F(LotraSimCommand, GeneratorTogglesATriggerOverTicks) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t generator = b.block(GTI, 0, 0);
    circuit.blockElements[generator]->setupGenerator(4, 2, 1);
    const int32_t high = b.block(EntrSignal, 0, 50);
    circuit.blockElements[high]->pins[9].value = 1;
    const int32_t trigger = b.block(Trigger, 100, 0);
    b.wire(GTI, generator, 9, Trigger, trigger, 3);
    const int32_t j = b.wire(EntrSignal, high, 9, Trigger, trigger, 0);
    b.join(b.stub(Trigger, trigger, 6, {90, 40}), 1, j);
    const std::string file = "'" + save(circuit).string() + "'";

    auto lines = [&](int ticks) {
        return lotraSim("--ticks " + std::to_string(ticks) + " " + file).out;
    };
    const std::string low = "B0 GTI 9=0\nB1 EntrSignal 9=1\n";
    EXPECT_EQ(lines(0), low + "B2 Trigger 0=1 3=0 6=1 9=0 10=1\n");
    EXPECT_EQ(lines(2), "B0 GTI 9=1\nB1 EntrSignal 9=1\nB2 Trigger 0=1 3=1 6=1 9=0 10=1\n");
    EXPECT_EQ(lines(3), low + "B2 Trigger 0=1 3=0 6=1 9=1 10=0\n");
    EXPECT_EQ(lines(7), low + "B2 Trigger 0=1 3=0 6=1 9=0 10=1\n");
    EXPECT_EQ(lines(11), low + "B2 Trigger 0=1 3=0 6=1 9=1 10=0\n");
}

TEST_F(LotraSimCommand, IndicatorShowsTheNumberOnItsConnectedInputs) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t indicator = b.indicator(100, 0);
    for (int pin : {0, 2, 4}) {
        const int32_t signal = b.block(EntrSignal, 0, 30 * pin);
        circuit.blockElements[signal]->pins[9].value = pin == 4 ? 0 : 1;
        b.wire(EntrSignal, signal, 9, Indicator, indicator, pin);
    }
    circuit.logicElements[indicator]->pins[1].value = 1;  // at 1 but not connected
    const Outcome outcome = lotraSim("--no-power '" + save(circuit).string() + "'");
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n')),
              "L0 Indicator 0=0 1=1 2=0 3=0 4=0 shows=00");
    const Outcome powered = lotraSim("'" + (dir / "circuit.vrt").string() + "'");
    EXPECT_EQ(powered.out.substr(0, powered.out.find('\n')),
              "L0 Indicator 0=1 1=0 2=1 3=0 4=0 shows=05");
}

TEST_F(LotraSimCommand, WriteRoundTrips) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t generator = b.block(GTI, 0, 0);
    circuit.blockElements[generator]->setupGenerator(10, 5, 0);
    const int32_t gate = b.gate(false, 2, true, 100, 0);
    b.wire(GTI, generator, 9, LogicElement, gate, 0, {{25, 10}, {60, 10}, {60, 5}, {100, 5}});
    const fs::path in = save(circuit);
    const fs::path first = dir / "first.vrt";
    const fs::path second = dir / "second.vrt";

    const Outcome ticked =
        lotraSim("--ticks 3 --write '" + first.string() + "' '" + in.string() + "'");
    EXPECT_EQ(ticked.status, 0);
    // The written file holds the circuit as it stood after the ticks.
    CCircuit expected;
    io::decodeCircuit(io::encodeCircuit(circuit), expected);
    expected.blockElements[generator]->pins[9].value = 1;
    expected.logicElements[gate]->pins[0].value = 1;
    expected.logicElements[gate]->pins[9].value = 0;
    const std::vector<uint8_t> bytes = io::encodeCircuit(expected);
    EXPECT_EQ(textOf(first), std::string(bytes.begin(), bytes.end()));

    const Outcome again =
        lotraSim("--no-power --write '" + second.string() + "' '" + first.string() + "'");
    EXPECT_EQ(again.out, ticked.out);
    EXPECT_EQ(textOf(second), textOf(first));
}

TEST_F(LotraSimCommand, ProblemsGiveOneLineOnStandardErrorAndAStatus) {
    const Outcome missing = lotraSim("'" + (dir / "none.vrt").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("none.vrt"), std::string::npos);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);

    const Outcome folder = lotraSim("'" + dir.string() + "'");
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(std::count(folder.err.begin(), folder.err.end(), '\n'), 1);

    const Outcome bad = lotraSim("--ticks many x");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1);

    const fs::path empty = dir / "empty.vrt";
    std::ofstream(empty).close();
    const Outcome unwritable = lotraSim("--write '" + (dir / "no" / "such" / "dir").string() +
                                        "' '" + empty.string() + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(std::count(unwritable.err.begin(), unwritable.err.end(), '\n'), 1);

    const Outcome help = lotraSim("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: lotra-sim", 0), 0u);
}

// Every file lotra-sim writes follows the program's rules: a write-protected target
// stays as it was (also for root) and fails the run; a link keeps pointing at its
// target, which is what gets written.
TEST_F(LotraSimCommand, OutputFilesRespectProtectionAndLinks) {
    CCircuit circuit;
    CircuitBuilder(circuit).block(EntrSignal, 0, 0);
    const std::string in = "'" + save(circuit).string() + "'";
    fs::create_directory(dir / "store");
    for (const std::string option : {"--write", "--vcd", "--png"}) {
        SCOPED_TRACE(option);
        const fs::path locked = dir / ("locked" + option);
        std::ofstream(locked) << "kept";
        fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
        const Outcome refused = lotraSim(option + " '" + locked.string() + "' " + in);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
        EXPECT_NE(refused.err.find(locked.string()), std::string::npos);
        EXPECT_EQ(textOf(locked), "kept");

        const fs::path link = dir / ("link" + option);
        fs::create_symlink("store/target" + option, link);
        const Outcome linked = lotraSim(option + " '" + link.string() + "' " + in);
        EXPECT_EQ(linked.status, 0) << linked.err;
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_GT(fs::file_size(dir / "store" / ("target" + option)), 0u);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "store"), fs::directory_iterator()), 3);
}

}  // namespace
