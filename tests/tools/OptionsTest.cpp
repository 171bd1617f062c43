#include <gtest/gtest.h>

#include "tools/lotra-sim/Options.h"

namespace {

using lotrasim::parseArguments;
using Action = lotrasim::ParsedArguments::Action;

TEST(LotraSimOptions, FileAloneRunsWithPowerAndNoTicks) {
    const auto parsed = parseArguments({"circuit.vrt"});
    ASSERT_EQ(parsed.action, Action::Run);
    EXPECT_EQ(parsed.options.file, "circuit.vrt");
    EXPECT_EQ(parsed.options.ticks, 0u);
    EXPECT_TRUE(parsed.options.powerOn);
    EXPECT_FALSE(parsed.options.writePath);
}

TEST(LotraSimOptions, EveryOptionInEitherSpellingAndAnyOrder) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--ticks", "12", "--no-power", "--write", "out", "in"},
          std::vector<std::string>{"in", "--write=out", "--ticks=12", "--no-power"}}) {
        const auto parsed = parseArguments(args);
        ASSERT_EQ(parsed.action, Action::Run) << parsed.error;
        EXPECT_EQ(parsed.options.ticks, 12u);
        EXPECT_FALSE(parsed.options.powerOn);
        EXPECT_EQ(parsed.options.writePath, "out");
        EXPECT_EQ(parsed.options.file, "in");
    }
    EXPECT_EQ(parseArguments({"--ticks", "4294967295", "f"}).options.ticks, 4294967295u);
    // After "--" a name may start with a dash.
    const auto dashed = parseArguments({"--", "--no-power"});
    EXPECT_EQ(dashed.action, Action::Run);
    EXPECT_EQ(dashed.options.file, "--no-power");
}

TEST(LotraSimOptions, HelpIsAnsweredWhenReachedBeforeAnError) {
    EXPECT_EQ(parseArguments({"--help"}).action, Action::Help);
    EXPECT_EQ(parseArguments({"x", "--bogus", "--help"}).action, Action::Fail);
    EXPECT_EQ(parseArguments({"x", "-h"}).action, Action::Help);
    EXPECT_NE(lotrasim::usageText().find("[--ticks N] [--no-power] [--write OUT] FILE"),
              std::string::npos);
}

TEST(LotraSimOptions, BadArgumentsFailWithOneLine) {
    const std::vector<std::vector<std::string>> bad{
        {},
        {"a", "b"},
        {"--frobnicate", "f"},
        {"--ticks", "f"},
        {"f", "--ticks"},
        {"--ticks", "-1", "f"},
        {"--ticks", "+1", "f"},
        {"--ticks", "12x", "f"},
        {"--ticks=", "f"},
        {"--ticks", "4294967296", "f"},
        {"f", "--write"},
        {"--write=", "f"},
    };
    for (const auto& args : bad) {
        const auto parsed = parseArguments(args);
        EXPECT_EQ(parsed.action, Action::Fail) << ::testing::PrintToString(args);
        EXPECT_EQ(parsed.error.rfind("lotra-sim: ", 0), 0u) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
    }
    EXPECT_NE(parseArguments({"a", "b"}).error.find("'a' and 'b'"), std::string::npos);
    EXPECT_NE(parseArguments({"--frob", "f"}).error.find("--frob"), std::string::npos);
}

TEST(LotraSimOptions, ACheckTakesManyFilesAndOnlyTheTicks) {
    const auto check = parseArguments({"--check", "ref.vrt", "a.vrt", "b.vrt"});
    ASSERT_EQ(check.action, Action::Run) << check.error;
    EXPECT_EQ(check.options.checkReference, "ref.vrt");
    EXPECT_EQ(check.options.checkedFiles, (std::vector<std::string>{"a.vrt", "b.vrt"}));
    EXPECT_EQ(check.options.ticks, lotrasim::kCheckTicks);
    EXPECT_EQ(parseArguments({"a.vrt", "--ticks=7", "--check=ref.vrt"}).options.ticks, 7u);
    EXPECT_EQ(parseArguments({"--expect", "t.tsv", "a.vrt"}).options.expectTable, "t.tsv");

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--check", "ref.vrt"},
             {"--check", "ref.vrt", "--expect", "t.tsv", "a.vrt"},
             {"--check", "ref.vrt", "--svg", "p.svg", "a.vrt"},
             {"--check", "ref.vrt", "--truth-table", "a.vrt"},
             {"--expect", "t.tsv", "--ticks", "3", "a.vrt"},
             {"--pdf", "a.vrt"},
         })
        EXPECT_EQ(parseArguments(args).action, Action::Fail) << ::testing::PrintToString(args);
}

}  // namespace
