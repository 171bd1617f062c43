#include <gtest/gtest.h>

#include <filesystem>

#include "CommandRunner.h"
#include "CourseExamples.h"
#include "io/CircuitFile.h"

namespace fs = std::filesystem;

namespace {

fs::path examplesDir() {
    return fs::path(LOTRA_SOURCE_DIR) / "res" / "examples";
}

// The points of a wire as the editor lays them: on the 5-pixel grid, each run
// horizontal or vertical, and every end on a pin sitting on that pin's anchor.
std::vector<std::string> layoutFaults(const CCircuit& circuit) {
    std::vector<std::string> faults;
    for (const auto& wire : circuit.wires) {
        if (!wire) continue;
        const std::string name = "wire " + std::to_string(wire->index);
        for (size_t i = 0; i < wire->points.size(); ++i) {
            const Point p = wire->points[i];
            if (p.x % 5 || p.y % 5) faults.push_back(name + " has a point off the grid");
            if (i > 0 && p.x != wire->points[i - 1].x && p.y != wire->points[i - 1].y)
                faults.push_back(name + " has a slanted run");
        }
        for (const WireEnd& end : wire->ends) {
            const std::optional<ElementKind> kind = end.kind.elementKind();
            if (!kind) continue;
            if (circuit.pinAnchor(*kind, end.index, end.slot) != end.position())
                faults.push_back(name + " has an end off its pin");
        }
    }
    return faults;
}

TEST(CourseExamples, AreDrawnByTheEditorAndCheckedIn) {
    for (const CourseExample& example : courseExamples()) {
        SCOPED_TRACE(example.fileName);
        EXPECT_LE(example.fileName.size(), 24u);
        std::vector<std::string> faults;
        const std::vector<uint8_t> bytes = drawnExampleBytes(example, faults);
        EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);

        CCircuit circuit;
        io::decodeCircuit(bytes, circuit);
        const std::vector<std::string> layout = layoutFaults(circuit);
        EXPECT_TRUE(layout.empty()) << ::testing::PrintToString(layout);
        EXPECT_TRUE(matchesCheckedFile(std::string(bytes.begin(), bytes.end()),
                                       examplesDir() / example.fileName));
    }
}

// What lotra-sim prints for each example is kept beside it; the VCD of the
// counter is the file it writes.
TEST(CourseExamples, CommandOutputsMatchTheCheckedOutputs) {
    struct Case {
        std::string stem;
        std::vector<std::string> options;
    };
    const Case cases[] = {
        {"half-adder", {"--truth-table"}},
        {"full-adder", {"--truth-table"}},
        {"multiplexer", {"--truth-table"}},
        {"indicator-5bit", {}},
        {"jk-counter", {"--ticks", "40", "--vcd", "VCD"}},
    };
    const CCommandRunner runner;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stem);
        std::vector<std::string> args;
        const fs::path vcd = runner.dir() / "run.vcd";
        for (const std::string& option : c.options)
            args.push_back(option == "VCD" ? vcd.string() : option);
        args.push_back((examplesDir() / (c.stem + ".vrt")).string());
        const CCommandRunner::Outcome outcome = runner.lotraSim(args);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        const bool dumps = c.options.size() > 1;
        EXPECT_TRUE(matchesCheckedFile(dumps ? textOf(vcd) : outcome.out,
                                       examplesDir() / (c.stem + ".expected")));
    }
}

}  // namespace
