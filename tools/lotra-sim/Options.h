#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lotrasim {

struct SimOptions {
    uint32_t ticks = 0;
    bool powerOn = true;
    std::optional<std::string> writePath;
    // Instead of the run: every combination of the input signals, one row each.
    bool truthTable = false;
    // Instead of the run: the circuit's functions with their minimal forms, as
    // text or (with --json) as one JSON object; or one function's Karnaugh map.
    bool functions = false;
    bool json = false;
    std::optional<std::string> kmapFunction;
    std::optional<std::string> kmapPath;
    // Instead of the run: the circuit's automaton as text, as a DOT graph (--dot) or
    // as JSON (--json); from every combination of the triggers too (--all-states),
    // clocked by the input signal named (--clock N, from 1; 0 finds it), the states
    // also named by letters (--letters).
    bool automaton = false;
    bool dot = false;
    bool allStates = false;
    bool letters = false;
    int clockOrdinal = 0;
    // Beside the run: its waveform as a value change dump, and its picture.
    std::optional<std::string> vcdPath;
    std::optional<std::string> pngPath;
    std::optional<std::string> svgPath;
    std::optional<std::string> pdfPath;
    // Beside the run: its timing diagram as the window's panel draws it.
    std::optional<std::string> timingPath;
    std::string file;
    // Instead of the run: each of `checkedFiles` compared with a reference circuit
    // (--check) or with a table of the outputs the teacher typed (--expect).
    std::optional<std::string> checkReference;
    std::optional<std::string> expectTable;
    // ...or with an automaton the teacher typed as a table (--expect-automaton);
    // another start counts as a match with --any-start; --csv prints one
    // "name;verdict;details" line per file for a grade book.
    std::optional<std::string> expectAutomaton;
    bool anyStart = false;
    bool csv = false;
    std::vector<std::string> checkedFiles;

    bool checks() const { return checkReference || expectTable || expectAutomaton; }
};

// How many generator ticks a check runs a sequential circuit when not told.
constexpr uint32_t kCheckTicks = 100;

struct ParsedArguments {
    enum class Action { Run, Help, Fail };
    Action action = Action::Fail;
    SimOptions options;
    std::string error;  // one line, for Fail
};

// The command's arguments without the program name:
// [--ticks N] [--no-power] [--write OUT] [--vcd OUT] [--png|--svg|--pdf OUT] FILE,
// --truth-table FILE, --functions [--json] FILE, --kmap NAME OUT FILE,
// --automaton [--dot|--json] [--all-states] [--clock N] [--letters] FILE,
// --check REFERENCE [--ticks N] [--clock N] [--any-start] [--csv] FILE...,
// --expect TABLE [--csv] FILE..., --expect-automaton TABLE [--clock N] [--any-start] [--csv]
// FILE..., or --help.
ParsedArguments parseArguments(const std::vector<std::string>& args);

// What --help prints.
std::string usageText();

}  // namespace lotrasim
