#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "CommandRunner.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "model/ElementKinds.h"
#include "support/ScriptedShell.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTicks = 45;

// Each named signal's value at every tick from 0 to `ticks`, read back from a dump.
std::map<std::string, std::vector<int>> waveforms(const std::string& dump, int ticks) {
    std::map<std::string, std::string> names;  // identifier -> name
    std::map<std::string, std::vector<int>> waves;
    std::istringstream in(dump);
    int time = -1;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first, width, id, name;
        if (!(words >> first)) continue;
        if (first == "$var") {
            words >> width >> width >> id >> name;
            names[id] = name;
            waves[name].assign(ticks + 1, -1);
        } else if (first[0] == '#') {
            time = std::stoi(first.substr(1));
        } else if (first[0] == 'b' || first[0] == '0' || first[0] == '1') {
            const bool vector = first[0] == 'b';
            if (!vector)
                id = first.substr(1);
            else
                words >> id;
            if (!names.contains(id)) continue;
            const int value = vector ? std::stoi(first.substr(1), nullptr, 2) : first[0] - '0';
            std::vector<int>& wave = waves.at(names.at(id));
            for (int t = std::max(time, 0); t <= ticks; ++t) wave[t] = value;
        }
    }
    return waves;
}

const fs::path kCounterFile = fs::path(LOTRA_SOURCE_DIR) / "res" / "examples" / "jk-counter.vrt";

std::string counterDump(const CCommandRunner& runner, const fs::path& vcd, int ticks = kTicks) {
    const auto outcome =
        runner.lotraSim({"--ticks", std::to_string(ticks), "--vcd", vcd.string(), kCounterFile});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    return textOf(vcd);
}

// The generator (period 10 ticks, pulse 5) rises when its counter passes 0 and falls
// when it passes 4, at ticks 5, 15, 25 ...; each fall toggles the first trigger, each
// fall of the first trigger's Q toggles the second.
TEST(CounterWaveform, CountsTheFallingEdgesOfTheGenerator) {
    const CCommandRunner runner;
    const auto waves = waveforms(counterDump(runner, runner.dir() / "counter.vcd"), kTicks);
    for (int t = 0; t <= kTicks; ++t) {
        SCOPED_TRACE("tick " + std::to_string(t));
        const int clock = t >= 1 && (t - 1) % 10 < 4 ? 1 : 0;
        const int count = (t >= 5 ? (t - 5) / 10 + 1 : 0) % 4;
        EXPECT_EQ(waves.at("B0_GTI_pin9")[t], clock);
        EXPECT_EQ(waves.at("B2_Trigger_pin9")[t], count & 1);
        EXPECT_EQ(waves.at("B2_Trigger_pin10")[t], 1 - (count & 1));
        EXPECT_EQ(waves.at("B3_Trigger_pin9")[t], count >> 1);
        EXPECT_EQ(waves.at("L0_Indicator_number")[t], count);
        EXPECT_EQ(waves.at("B1_EntrSignal_pin9")[t], 1);
    }
}

// The dump's name of the signal a row of the diagram shows.
std::string dumpName(const analysis::TimingRow& row) {
    const analysis::SignalSource& bit = row.bits.front();
    const std::string element = (isLogicTableKind(bit.kind) ? "L" : "B") +
                                std::to_string(bit.slot) + "_" + kindInfo(bit.kind).name;
    return element + (row.bus ? "_number" : "_pin" + std::to_string(bit.pin));
}

// The window's timing diagram of the run lotra-sim dumps: a column per tick, and
// every row's value in every column, the state's bits included, is the dump's value
// of its signal at that tick; the dump the panel saves of its rows reads back the same.
TEST(CounterWaveform, TheWindowsTimingDiagramShowsTheLevelsOfTheDump) {
    constexpr int kDiagramTicks = 40;
    const CCommandRunner runner;
    const auto waves =
        waveforms(counterDump(runner, runner.dir() / "counter.vcd", kDiagramTicks), kDiagramTicks);
    ScriptedShell shell;
    CVortafrm window(shell);
    const fs::path copy = runner.dir() / "jk-counter.vrt";
    fs::copy_file(kCounterFile, copy);
    shell.warningAnswers.push_back(true);
    shell.fileNameAnswers.push_back(copy.string());
    window.OnCommand(command::FileOpen);
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    for (int tick = 0; tick < kDiagramTicks; ++tick) window.OnTimer(timer::GeneratorClock);

    const analysis::CTimingRecording& recording = window.timingRecording();
    const analysis::CTimingRows& rows = window.timingRows();
    std::vector<std::string> names;
    for (const analysis::TimingRow& row : rows.rows()) names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"X1", "ГТИ1", "Q1", "Q2", "Y1"}));
    ASSERT_EQ(recording.endColumn(), uint64_t{kDiagramTicks} + 1);
    std::vector<analysis::TimingRow> checked = rows.rows();
    for (const analysis::SignalSource& bit : rows.state().bits)
        checked.push_back({"", {bit}, false});
    for (uint64_t column = 0; column < recording.endColumn(); ++column) {
        ASSERT_EQ(recording.column(column).tick, column);
        for (const analysis::TimingRow& row : checked)
            EXPECT_EQ(analysis::rowValue(recording, row, column), waves.at(dumpName(row))[column])
                << row.name << " at tick " << column;
    }
    // "Сохранить диаграмму..." under a name ending in .vcd writes the rows' dump.
    const fs::path saved = runner.dir() / "diagram.vcd";
    shell.fileNameAnswers.push_back(saved.string());
    window.OnTimingSave(10);
    const auto exported = waveforms(textOf(saved), kDiagramTicks);
    EXPECT_EQ(exported.size(), rows.rows().size());
    for (const auto& [name, wave] : exported) EXPECT_EQ(wave, waves.at(name)) << name;
}

bool installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// GTKWave's own converter reads the dump into its FST format and writes it back as
// a dump: every signal comes back with the same values at the same times.
TEST(CounterWaveform, GtkwaveReadsTheDumpAsWritten) {
    if (!installed("vcd2fst") || !installed("fst2vcd"))
        GTEST_SKIP() << "vcd2fst and fst2vcd (Debian's gtkwave package) are not installed";
    const CCommandRunner runner;
    const fs::path vcd = runner.dir() / "counter.vcd";
    const fs::path fst = runner.dir() / "counter.fst";
    const fs::path back = runner.dir() / "back.vcd";
    const std::string written = counterDump(runner, vcd);
    const std::string log = " >'" + (runner.dir() / "log").string() + "' 2>&1";
    ASSERT_EQ(std::system(("vcd2fst '" + vcd.string() + "' '" + fst.string() + "'" + log).c_str()),
              0)
        << textOf(runner.dir() / "log");
    ASSERT_EQ(std::system(("fst2vcd '" + fst.string() + "' >'" + back.string() + "'").c_str()), 0);

    const auto original = waveforms(written, kTicks);
    EXPECT_EQ(original.size(), 7u);
    EXPECT_EQ(waveforms(textOf(back), kTicks), original);
}

}  // namespace
