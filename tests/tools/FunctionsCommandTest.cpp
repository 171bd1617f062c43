#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CommandRunner.h"
#include "tools/lotra-sim/Options.h"

namespace fs = std::filesystem;

namespace {

fs::path example(const std::string& name) {
    return fs::path(LOTRA_SOURCE_DIR) / "res" / "examples" / (name + ".vrt");
}

// The text of every course example, checked by hand once: the full adder's sum and
// carry, the counter's J, K and the clock of its second trigger, and so on.
TEST(FunctionsCommand, TheExamplesPrintTheirCheckedFunctions) {
    CCommandRunner runner;
    for (const char* name :
         {"half-adder", "full-adder", "jk-counter", "indicator-5bit", "multiplexer"}) {
        const auto outcome = runner.lotraSim({"--functions", example(name).string()});
        EXPECT_EQ(outcome.status, 0) << name << ": " << outcome.err;
        EXPECT_TRUE(matchesCheckedFile(outcome.out, fs::path(LOTRA_SOURCE_DIR) / "tests" / "tools" /
                                                        "functions" /
                                                        (std::string(name) + ".txt")));
    }
}

TEST(FunctionsCommand, JsonListsTheVariablesTablesAndEveryMinimalForm) {
    CCommandRunner runner;
    const auto outcome = runner.lotraSim({"--functions", "--json", example("full-adder").string()});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(
        outcome.out,
        "{\"variables\": [\"X1\", \"X2\", \"X3\"], \"functions\": ["
        "{\"name\": \"Y1.1\", \"table\": \"01101001\", "
        "\"dnf\": [[[\"¬X1\",\"¬X2\",\"X3\"],[\"¬X1\",\"X2\",\"¬X3\"],[\"X1\",\"¬X2\",\"¬X3\"],"
        "[\"X1\",\"X2\",\"X3\"]]], "
        "\"cnf\": [[[\"X1\",\"X2\",\"X3\"],[\"X1\",\"¬X2\",\"¬X3\"],[\"¬X1\",\"X2\",\"¬X3\"],"
        "[\"¬X1\",\"¬X2\",\"X3\"]]], \"exact\": true}, "
        "{\"name\": \"Y1.2\", \"table\": \"00010111\", "
        "\"dnf\": [[[\"X1\",\"X2\"],[\"X1\",\"X3\"],[\"X2\",\"X3\"]]], "
        "\"cnf\": [[[\"X1\",\"X2\"],[\"X1\",\"X3\"],[\"X2\",\"X3\"]]], \"exact\": true}]}\n");
}

// A map in each format its ending names; a wrong name, a function without a map
// and a wrong combination of options each say so in one line with status 2.
TEST(FunctionsCommand, KarnaughMapsAreWrittenAndMistakesReported) {
    CCommandRunner runner;
    const fs::path png = runner.dir() / "carry.png";
    const fs::path svg = runner.dir() / "clock.SVG";
    EXPECT_EQ(
        runner.lotraSim({"--kmap", "Y1.2", png.string(), example("full-adder").string()}).status,
        0);
    EXPECT_EQ(
        runner.lotraSim({"--kmap", "C2", svg.string(), example("jk-counter").string()}).status, 0);
    EXPECT_EQ(textOf(png).substr(1, 3), "PNG");
    EXPECT_NE(textOf(svg).find("<svg"), std::string::npos);

    const std::vector<std::vector<std::string>> mistakes{
        {"--kmap", "Y9.1", "m.png", example("full-adder").string()},
        {"--kmap", "Y1.2", "m.gif", example("full-adder").string()},
        {"--kmap", "Y1.16", "m.png", example("indicator-5bit").string()},  // 5 variables: drawn
        {"--functions", "--ticks", "3", example("full-adder").string()},
        {"--json", example("full-adder").string()},
        {"--functions", "--truth-table", example("full-adder").string()},
    };
    for (size_t i = 0; i < mistakes.size(); ++i) {
        const auto outcome = runner.lotraSim(mistakes[i]);
        if (i == 2) {
            EXPECT_EQ(outcome.status, 0) << outcome.err;
            continue;
        }
        EXPECT_EQ(outcome.status, 2) << ::testing::PrintToString(mistakes[i]);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
}

}  // namespace
