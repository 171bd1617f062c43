#include <gtest/gtest.h>

#include <filesystem>

#include "CommandRunner.h"
#include "io/CircuitFile.h"
#include "render/PictureArea.h"
#include "support/CircuitBuilder.h"
#include "tools/lotra-sim/Options.h"

namespace fs = std::filesystem;

namespace {

using Action = lotrasim::ParsedArguments::Action;

TEST(CourseOptions, NewOptionsParseAndTheTruthTableStandsAlone) {
    const auto both = lotrasim::parseArguments({"--vcd", "a.vcd", "--png=b.png", "f"});
    ASSERT_EQ(both.action, Action::Run) << both.error;
    EXPECT_EQ(both.options.vcdPath, "a.vcd");
    EXPECT_EQ(both.options.pngPath, "b.png");
    EXPECT_FALSE(both.options.truthTable);
    EXPECT_TRUE(lotrasim::parseArguments({"f", "--truth-table"}).options.truthTable);

    const std::vector<std::vector<std::string>> bad{
        {"--truth-table", "--ticks", "3", "f"},
        {"--truth-table", "--no-power", "f"},
        {"--truth-table", "--png", "p", "f"},
        {"--truth-table", "--write=w", "f"},
        {"--vcd=", "f"},
        {"f", "--png"},
    };
    for (const auto& args : bad) {
        const auto parsed = lotrasim::parseArguments(args);
        EXPECT_EQ(parsed.action, Action::Fail) << ::testing::PrintToString(args);
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

class CourseCommand : public ::testing::Test {
  protected:
    fs::path save(const CCircuit& circuit) {
        fs::path path = runner.dir() / "circuit.vrt";
        EXPECT_TRUE(io::writeCircuitFile(path.string(), circuit));
        return path;
    }
    CCommandRunner runner;
};

TEST_F(CourseCommand, TooManyInputsForATruthTableIsOneLineAndStatusTwo) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    for (int i = 0; i < 17; ++i) b.block(EntrSignal, 0, 30 * i);
    const auto outcome = runner.lotraSim({"--truth-table", save(circuit)});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
}

// Width and height from the header chunk of a PNG file, or nothing.
std::optional<Size> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    auto word = [&](size_t at) {
        int32_t value = 0;
        for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
        return value;
    };
    return Size{word(16), word(20)};
}

TEST_F(CourseCommand, PictureIsCroppedToTheCircuitAndShowsTheLevelsWhenPowered) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t signal = b.block(EntrSignal, 200, 300);
    const int32_t gate = b.gate(false, 1, true, 300, 280);
    b.wire(EntrSignal, signal, 9, LogicElement, gate, 2, {{225, 310}, {300, 310}});
    const fs::path file = save(circuit);
    const fs::path powered = runner.dir() / "powered.png";
    const fs::path unpowered = runner.dir() / "unpowered.png";

    const auto outcome = runner.lotraSim({"--png", powered, file});
    if (outcome.status == 2 && outcome.err.find("without Qt") != std::string::npos)
        GTEST_SKIP() << "this lotra-sim draws no pictures";
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(runner.lotraSim({"--no-power", "--png", unpowered, file}).status, 0);

    const Rect area = render::pictureArea(circuit);
    const Size expected{area.width(), area.height()};
    EXPECT_EQ(pngSize(textOf(powered)), expected);
    EXPECT_EQ(pngSize(textOf(unpowered)), expected);
    EXPECT_NE(textOf(powered), textOf(unpowered)) << "digits only when powered";
}

// Without a display and without a platform named in the environment, as on a
// server: every picture format of one run comes from the one offscreen application.
TEST_F(CourseCommand, AllThreePicturesOfOneRunAreWrittenWithoutADisplay) {
    CCircuit circuit;
    CircuitBuilder(circuit).gate(true, 2, false, 100, 100);
    const fs::path file = save(circuit);
    const std::vector<std::string> noDisplay{"-u", "DISPLAY",        "-u", "WAYLAND_DISPLAY",
                                             "-u", "QT_QPA_PLATFORM"};
    const fs::path png = runner.dir() / "a.png";
    const fs::path svg = runner.dir() / "a.svg";
    const fs::path pdf = runner.dir() / "a.pdf";

    const auto outcome =
        runner.lotraSim({"--png", png, "--svg", svg, "--pdf", pdf, file}, noDisplay);
    if (outcome.status == 2 && outcome.err.find("without Qt") != std::string::npos)
        GTEST_SKIP() << "this lotra-sim draws no pictures";

    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(textOf(png).rfind("\x89PNG", 0), 0u);
    EXPECT_NE(textOf(svg).find("<svg"), std::string::npos);
    EXPECT_EQ(textOf(pdf).rfind("%PDF", 0), 0u);
}

TEST_F(CourseCommand, EveryOutputOfOneRunIsWrittenAndFailuresReported) {
    CCircuit circuit;
    CircuitBuilder(circuit).block(GTI);
    circuit.blockElements[0]->setupGenerator(4, 2, 1);
    const fs::path file = save(circuit);
    const fs::path vcd = runner.dir() / "run.vcd";
    const fs::path copy = runner.dir() / "copy.vrt";

    const auto ran = runner.lotraSim({"--ticks", "3", "--vcd", vcd, "--write", copy, file});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.out, "B0 GTI 9=0\n");
    EXPECT_NE(textOf(vcd).find("#2\n1!\n#3\n0!\n"), std::string::npos) << textOf(vcd);
    EXPECT_TRUE(fs::exists(copy));

    const fs::path nowhere = runner.dir() / "no" / "such" / "dir";
    for (const char* option : {"--vcd", "--png"}) {
        const auto failed = runner.lotraSim({option, nowhere, file});
        if (failed.err.find("without Qt") != std::string::npos) continue;
        EXPECT_EQ(failed.status, 1) << option;
        EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << failed.err;
        EXPECT_NE(failed.err.find(nowhere.string()), std::string::npos) << failed.err;
    }
}

}  // namespace
