// A teacher's class folder: student variants of the course examples, each with a
// slip a teacher meets, checked by the built lotra-sim against the shipped examples.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "CommandRunner.h"
#include "CourseExamples.h"
#include "ExampleDrawing.h"
#include "io/CircuitFile.h"
#include "tools/lotra-sim/ExpectTable.h"

namespace fs = std::filesystem;

namespace {

// Five signals from the top on the indicator's pins `pinOf`, placed top first or
// bottom first: only where they are drawn names them.
void drawIndicator(CExampleDrawing& d, std::array<int32_t, 5> pinOf, bool bottomFirst) {
    const int32_t shown = d.indicator({200, 95});
    const int32_t columns[] = {160, 140, 0, 140, 160};
    std::array<int32_t, 5> signals{};
    for (int32_t n = 0; n < 5; ++n) {
        const int32_t row = bottomFirst ? 4 - n : n;
        signals[static_cast<size_t>(row)] = d.signal({40, 40 + 30 * row});
    }
    for (int32_t row = 0; row < 5; ++row) {
        const int32_t pin = pinOf[static_cast<size_t>(row)];
        const int32_t y = 40 + 30 * row;
        std::vector<Point> bends;
        if (columns[pin]) bends = {{columns[pin], y + 10}, {columns[pin], 100 + 5 * pin}};
        d.connect(EntrSignal, signals[static_cast<size_t>(row)], 9, bends, Indicator, shown, pin);
    }
}

class ClassCheck : public ::testing::Test {
  protected:
    // The student's file, drawn as a student draws it, in the class folder.
    template <typename Draw>
    std::string hand(const std::string& name, Draw draw) {
        CExampleDrawing drawing;
        draw(drawing);
        EXPECT_EQ(drawing.faults(), std::vector<std::string>{}) << name;
        EXPECT_TRUE(io::writeCircuitFile((runner.dir() / name).string(), drawing.circuit()));
        return (runner.dir() / name).string();
    }
    static std::string example(const std::string& name) {
        return (fs::path(LOTRA_SOURCE_DIR) / "res/examples" / name).string();
    }
    // The verdict columns of the line of `file`.
    static std::string verdictOf(const std::string& out, const std::string& file) {
        const size_t at = out.find(file + '\t');
        if (at == std::string::npos) return "no line for " + file;
        const size_t from = at + file.size() + 1;
        return out.substr(from, out.find('\n', from) - from);
    }
    CCommandRunner runner;
};

TEST_F(ClassCheck, EachPlantedSlipGetsItsVerdict) {
    const std::string sameDrawnOtherwise =
        hand("ha-1.vrt", [](CExampleDrawing& d) { drawHalfAdder(d, {.gatesFirst = true}); });
    const std::string wrongGate =
        hand("ha-2.vrt", [](CExampleDrawing& d) { drawHalfAdder(d, {.carryGate = kOr2}); });
    const std::string missingWire =
        hand("ha-3.vrt", [](CExampleDrawing& d) { drawHalfAdder(d, {.carryWire = false}); });
    const std::string extraIndicator =
        hand("ha-4.vrt", [](CExampleDrawing& d) { drawHalfAdder(d, {.secondIndicator = true}); });
    const std::string notes = (runner.dir() / "notes.txt").string();
    std::ofstream(notes) << "the circuit is on paper\n";
    const std::string absent = (runner.dir() / "absent.vrt").string();

    const auto outcome = runner.lotraSim({"--check", example("half-adder.vrt"), sameDrawnOtherwise,
                                          wrongGate, missingWire, extraIndicator, notes, absent});
    EXPECT_EQ(outcome.status, 1) << outcome.err;
    EXPECT_EQ(verdictOf(outcome.out, sameDrawnOtherwise), "совпадает");
    EXPECT_EQ(verdictOf(outcome.out, wrongGate),
              "не совпадает\tвходы 0 1, после включения питания: индикатор показывает 03, "
              "ожидалось 01");
    EXPECT_EQ(verdictOf(outcome.out, missingWire),
              "не совпадает\tвходы 1 1, после включения питания: индикатор показывает 00, "
              "ожидалось 02");
    EXPECT_EQ(verdictOf(outcome.out, extraIndicator), "не сравнить\tиндикаторов 2, а в образце 1");
    EXPECT_EQ(verdictOf(outcome.out, notes), "не сравнить\tэто не файл схемы");
    EXPECT_EQ(verdictOf(outcome.out, absent), "не сравнить\tфайла нет");
    EXPECT_TRUE(outcome.out.ends_with("\nсовпадают 1 из 6\n")) << outcome.out;

    // The table the teacher printed from the reference says the same.
    const auto table = runner.lotraSim({"--truth-table", example("half-adder.vrt")});
    const std::string tablePath = (runner.dir() / "half-adder.tsv").string();
    std::ofstream(tablePath) << table.out;
    const auto expected = runner.lotraSim({"--expect", tablePath, sameDrawnOtherwise, wrongGate});
    EXPECT_EQ(expected.status, 1) << expected.err;
    EXPECT_EQ(verdictOf(expected.out, sameDrawnOtherwise), "совпадает");
    EXPECT_EQ(verdictOf(expected.out, wrongGate), verdictOf(outcome.out, wrongGate));
}

TEST_F(ClassCheck, InputsAreNamedByWhereTheyAreDrawnAndSequencesTickByTick) {
    const std::string bottomFirst = hand("ind-1.vrt", [](CExampleDrawing& d) {
        drawIndicator(d, {0, 1, 2, 3, 4}, true);
    });
    const std::string swapped = hand("ind-2.vrt", [](CExampleDrawing& d) {
        drawIndicator(d, {1, 0, 2, 3, 4}, false);
    });
    const auto indicator =
        runner.lotraSim({"--check", example("indicator-5bit.vrt"), bottomFirst, swapped});
    EXPECT_EQ(verdictOf(indicator.out, bottomFirst), "совпадает");
    EXPECT_EQ(verdictOf(indicator.out, swapped),
              "не совпадает\tвходы 0 1 0 0 0, после включения питания: индикатор показывает 01, "
              "ожидалось 02");

    const std::string sameClock =
        hand("jk-1.vrt", [](CExampleDrawing& d) { drawCounter(d, 1.0f); });
    const std::string slowClock =
        hand("jk-2.vrt", [](CExampleDrawing& d) { drawCounter(d, 2.0f); });
    // A reference with triggers is compared as an automaton, clock by clock of its
    // generators: a slower generator counts the same sequence, whatever the ticks.
    const auto counter =
        runner.lotraSim({"--check", example("jk-counter.vrt"), sameClock, slowClock});
    EXPECT_EQ(counter.status, 0) << counter.out;
    EXPECT_EQ(verdictOf(counter.out, sameClock), "совпадает");
    EXPECT_EQ(verdictOf(counter.out, slowClock), "совпадает");
    const auto brief =
        runner.lotraSim({"--check", example("jk-counter.vrt"), "--ticks", "4", slowClock});
    EXPECT_EQ(brief.status, 0) << brief.out;
    // Its generators give the clock: a clock signal named is ignored, and said so for
    // the reference and for each circuit checked, as for one automaton printed.
    const auto named =
        runner.lotraSim({"--check", example("jk-counter.vrt"), "--clock", "1", sameClock});
    EXPECT_EQ(verdictOf(named.out, sameClock), "совпадает");
    const std::string ignored = "--clock 1 не действует: такт автомата задают генераторы схемы\n";
    EXPECT_EQ(named.err, "lotra-sim: '" + example("jk-counter.vrt") + "': " + ignored +
                             "lotra-sim: '" + sameClock + "': " + ignored);
    const auto printed = runner.lotraSim({"--automaton", "--clock", "1", sameClock});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.err, "lotra-sim: " + ignored);
}

// `lotra-sim --check ref *.vrt` over a folder where students named files like
// options, and where a named pipe sits among the files: every file gets its verdict,
// and the pipe is reported at once instead of waiting for a writer. A writer comes
// after five seconds, so that a check that waits still ends.
TEST_F(ClassCheck, FilesNamedLikeOptionsAndPipesAmongTheFilesGetTheirVerdicts) {
    const std::string reference = example("half-adder.vrt");
    for (const char* name : {"--no-power.vrt", "-x.vrt"})
        fs::copy_file(reference, runner.dir() / name);
    const std::string pipe = (runner.dir() / "stuck.vrt").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::sleep(5);
        ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        ::_exit(0);
    }
    const auto start = std::chrono::steady_clock::now();
    const CCommandRunner::Outcome outcome =
        runner.lotraSim({"--check", reference, (runner.dir() / "--no-power.vrt").string(), pipe,
                         (runner.dir() / "-x.vrt").string()});
    const auto took = std::chrono::steady_clock::now() - start;
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);

    EXPECT_LT(took, std::chrono::seconds(4)) << "the check waited on the pipe";
    EXPECT_EQ(outcome.status, 1) << outcome.err;
    EXPECT_EQ(verdictOf(outcome.out, (runner.dir() / "--no-power.vrt").string()), "совпадает");
    EXPECT_EQ(verdictOf(outcome.out, (runner.dir() / "-x.vrt").string()), "совпадает");
    EXPECT_EQ(verdictOf(outcome.out, pipe),
              "не сравнить\tэто не файл схемы, а канал или устройство");
}

// Relative names, as the shell's *.vrt gives them, are files too after the reference.
TEST_F(ClassCheck, ARelativeNameLikeAnOptionIsAFileAfterTheReference) {
    fs::copy_file(example("half-adder.vrt"), runner.dir() / "--ticks=3");
    const fs::path previous = fs::current_path();
    fs::current_path(runner.dir());
    const CCommandRunner::Outcome outcome =
        runner.lotraSim({"--check", example("half-adder.vrt"), "--ticks=3", "--", "-"});
    fs::current_path(previous);
    EXPECT_EQ(verdictOf(outcome.out, "--ticks=3"), "совпадает") << outcome.err;
    EXPECT_EQ(verdictOf(outcome.out, "-"), "не сравнить\tфайла нет");
}

TEST(ExpectTable, RefusesWhatIsNotATableOfEveryCombination) {
    const std::vector<std::pair<std::string, std::string>> bad{
        {"A\tS\n0\t00\n1\t01\n1\t00\n", "3 lines under the header"},
        {"A\tB\tS\n0\t0\t00\n0\t1\t01\n0\t1\t01\n1\t1\t02\n", "same inputs as line 3"},
        {"A\tS\n0\t00\n2\t01\n", "not 0 or 1"},
        {"A\tS\n0\t00\n1\t32\n", "not an indicator's number"},
        {"A\tS\n0\t00\n1\n", "1 cells"},
        {"A\tB0.9\n0\t1\n1\t0\n", "no indicator"},
        {"A\tS\n", "header"},
    };
    for (const auto& [table, reason] : bad) {
        std::string error;
        EXPECT_FALSE(lotrasim::parseExpectTable(table, error)) << table;
        EXPECT_NE(error.find(reason), std::string::npos) << table << " gave: " << error;
    }
    std::string error;
    const auto typed = lotrasim::parseExpectTable(
        "A B S C.9\r\n1 1 02 1\n0 0 0 0\n1 0 1 1\n"
        "0 1 01 1\n",
        error);
    ASSERT_TRUE(typed) << error;
    EXPECT_EQ(typed->inputCount, 2u);
    EXPECT_EQ(typed->numbers, (std::vector<uint8_t>{0, 1, 1, 2}));
}

}  // namespace
