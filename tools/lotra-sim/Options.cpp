#include "tools/lotra-sim/Options.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>

namespace lotrasim {
namespace {

bool namesAFile(const std::string& arg) {
    struct stat status {};
    return ::stat(arg.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

// A plain name, "-", or after a check's reference any name of an existing file: a
// student's file named like an option is his file all the same.
bool isFileArgument(const std::string& arg, bool checking) {
    return arg.empty() || arg[0] != '-' || arg == "-" || (checking && namesAFile(arg));
}

ParsedArguments failure(std::string message) {
    ParsedArguments parsed;
    parsed.error = "lotra-sim: " + std::move(message) + " (lotra-sim --help shows the usage)";
    return parsed;
}

std::optional<uint32_t> parseTicks(const std::string& text) {
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end ||
        value > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

// "--name VALUE" or "--name=VALUE"; advances `at` past what it used.
std::optional<std::string> optionValue(const std::vector<std::string>& args, size_t& at,
                                       const std::string& name) {
    const std::string& arg = args[at];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0)
        return arg.substr(name.size() + 1);
    if (arg != name || at + 1 >= args.size()) return std::nullopt;
    return args[++at];
}

// The value of --ticks, or nothing with the complaint about it.
std::optional<uint32_t> ticksValue(const std::vector<std::string>& args, size_t& at,
                                   std::string& complaint) {
    const std::optional<std::string> value = optionValue(args, at, "--ticks");
    const std::optional<uint32_t> ticks = value ? parseTicks(*value) : std::nullopt;
    if (!ticks)
        complaint =
            "--ticks needs a whole number from 0 to 4294967295, not '" + value.value_or("") + "'";
    return ticks;
}

// The options that name a file: the outputs, and what a check compares with.
std::optional<std::string>* pathOption(SimOptions& options, const std::string& name) {
    if (name == "--write") return &options.writePath;
    if (name == "--vcd") return &options.vcdPath;
    if (name == "--png") return &options.pngPath;
    if (name == "--svg") return &options.svgPath;
    if (name == "--pdf") return &options.pdfPath;
    if (name == "--timing") return &options.timingPath;
    if (name == "--check") return &options.checkReference;
    if (name == "--expect") return &options.expectTable;
    if (name == "--expect-automaton") return &options.expectAutomaton;
    return nullptr;
}

// The truth table runs the circuit once per row from the file as it stands, so
// the options that shape a single run mean nothing to it.
bool shapesARun(const SimOptions& options, bool ticksGiven) {
    return ticksGiven || !options.powerOn || options.writePath || options.vcdPath ||
           options.pngPath || options.svgPath || options.pdfPath || options.timingPath;
}

// The actions that print what the circuit computes instead of running it.
int tableActions(const SimOptions& options) {
    return int{options.truthTable} + int{options.functions} +
           int{options.kmapFunction.has_value()} + int{options.automaton};
}

// The options that shape how an automaton is printed rather than built.
bool shapesAnAutomaton(const SimOptions& options) {
    return options.dot || options.allStates || options.letters;
}

// The flags that take no value; false for any other argument.
bool setFlag(SimOptions& options, const std::string& arg) {
    struct Flag {
        const char* name;
        bool SimOptions::*field;
    };
    static constexpr Flag kFlags[] = {
        {"--truth-table", &SimOptions::truthTable},
        {"--functions", &SimOptions::functions},
        {"--json", &SimOptions::json},
        {"--automaton", &SimOptions::automaton},
        {"--dot", &SimOptions::dot},
        {"--all-states", &SimOptions::allStates},
        {"--letters", &SimOptions::letters},
        {"--any-start", &SimOptions::anyStart},
        {"--csv", &SimOptions::csv},
    };
    const auto* flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                    [&arg](const Flag& f) { return arg == f.name; });
    if (flag == std::end(kFlags)) return false;
    options.*flag->field = true;
    return true;
}

// A check takes any number of files, and a reference circuit the generator ticks
// to run; a table holds the outputs after power on alone.
ParsedArguments checkArguments(ParsedArguments parsed, std::vector<std::string> files,
                               bool ticksGiven) {
    SimOptions& options = parsed.options;
    if (int{options.checkReference.has_value()} + int{options.expectTable.has_value()} +
            int{options.expectAutomaton.has_value()} >
        1)
        return failure("--check, --expect and --expect-automaton exclude each other");
    const char* name = options.checkReference ? "--check"
                       : options.expectTable  ? "--expect"
                                              : "--expect-automaton";
    const bool byTable = !options.checkReference;
    if (tableActions(options) > 0 || options.json || shapesAnAutomaton(options) ||
        shapesARun(options, byTable && ticksGiven))
        return failure(std::string(name) + (options.checkReference
                                                ? " takes no other option but --ticks, --clock, "
                                                  "--any-start and --csv"
                                                : " takes no other option but --csv"));
    if (options.expectTable && (options.anyStart || options.clockOrdinal > 0))
        return failure("--any-start and --clock go with --check and --expect-automaton");
    if (files.empty()) return failure(std::string("no circuit file to check after ") + name);
    options.checkedFiles = std::move(files);
    if (!ticksGiven) options.ticks = kCheckTicks;
    parsed.action = ParsedArguments::Action::Run;
    return parsed;
}

// --kmap NAME OUT; advances `at` past them.
bool kmapValues(const std::vector<std::string>& args, size_t& at, SimOptions& options) {
    if (at + 2 >= args.size() || args[at + 1].empty() || args[at + 2].empty()) return false;
    options.kmapFunction = args[at + 1];
    options.kmapPath = args[at + 2];
    at += 2;
    return true;
}

// The value of --clock into the options, or the complaint about it.
std::optional<std::string> readClock(const std::vector<std::string>& args, size_t& at,
                                     SimOptions& options) {
    const std::optional<std::string> value = optionValue(args, at, "--clock");
    const std::optional<uint32_t> ordinal = value ? parseTicks(*value) : std::nullopt;
    if (!ordinal || *ordinal == 0 || *ordinal > 127)
        return "--clock needs the number of an input signal from 1, not '" + value.value_or("") +
               "'";
    options.clockOrdinal = static_cast<int>(*ordinal);
    return std::nullopt;
}

// The options with values of their own: --ticks, --clock and --kmap. Nothing for
// another name; otherwise what is wrong with the value, empty when nothing is.
std::optional<std::string> readValueOption(const std::vector<std::string>& args, size_t& at,
                                           const std::string& name, SimOptions& options,
                                           bool& ticksGiven) {
    if (name == "--ticks") {
        std::string complaint;
        const std::optional<uint32_t> ticks = ticksValue(args, at, complaint);
        options.ticks = ticks.value_or(options.ticks);
        ticksGiven = true;
        return ticks ? "" : complaint;
    }
    if (name == "--clock") return readClock(args, at, options).value_or("");
    if (args[at] != "--kmap") return std::nullopt;
    return kmapValues(args, at, options)
               ? ""
               : "--kmap needs the name of a function and of a picture file";
}

// What --functions, --json and --kmap allow beside them.
std::optional<std::string> analysisComplaint(const SimOptions& options, bool ticksGiven) {
    if (options.json && !options.functions && !options.automaton)
        return "--json goes with --functions or --automaton";
    if (options.json && options.dot) return "--json and --dot exclude each other";
    if (shapesAnAutomaton(options) && !options.automaton)
        return "--dot, --all-states and --letters go with --automaton";
    if (options.clockOrdinal > 0 && !options.automaton)
        return "--clock goes with --automaton, --check and --expect-automaton";
    if (options.anyStart || options.csv) return "--any-start and --csv go with a check";
    if (tableActions(options) > 1)
        return "--truth-table, --functions and --kmap exclude each other";
    if (tableActions(options) == 1 && shapesARun(options, ticksGiven))
        return std::string(options.truthTable  ? "--truth-table"
                           : options.functions ? "--functions"
                           : options.automaton ? "--automaton"
                                               : "--kmap") +
               " takes no other option";
    return std::nullopt;
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    SimOptions& options = parsed.options;
    std::vector<std::string> files;
    bool optionsEnded = false;
    bool ticksGiven = false;
    for (size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        const std::string name = arg.substr(0, arg.find('='));  // of "--name=VALUE" too
        const bool checking =
            options.checkReference || options.expectTable || options.expectAutomaton;
        if (optionsEnded || isFileArgument(arg, checking)) {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.action = ParsedArguments::Action::Help;
            return parsed;
        } else if (arg == "--no-power") {
            options.powerOn = false;
        } else if (setFlag(options, arg)) {
        } else if (const auto complaint = readValueOption(args, at, name, options, ticksGiven)) {
            if (!complaint->empty()) return failure(*complaint);
        } else if (std::optional<std::string>* path = pathOption(options, name)) {
            *path = optionValue(args, at, name);
            if (path->value_or("").empty()) return failure(name + " needs the name of a file");
        } else {
            return failure("unknown option '" + arg + "'");
        }
    }
    if (options.checks()) return checkArguments(std::move(parsed), std::move(files), ticksGiven);
    if (files.empty()) return failure("no circuit file given");
    if (files.size() > 1)
        return failure("one circuit file only, but got '" + files[0] + "' and '" + files[1] + "'");
    if (const std::optional<std::string> complaint = analysisComplaint(options, ticksGiven))
        return failure(*complaint);
    options.file = files[0];
    parsed.action = ParsedArguments::Action::Run;
    return parsed;
}

std::string usageText() {
    return R"(Usage: lotra-sim [--ticks N] [--no-power] [--write OUT] FILE
       lotra-sim [--ticks N] [--no-power] [--vcd OUT] [--png|--svg|--pdf OUT] FILE
       lotra-sim [--ticks N] --timing OUT FILE
       lotra-sim --truth-table FILE
       lotra-sim --functions [--json] FILE
       lotra-sim --kmap NAME OUT FILE
       lotra-sim --automaton [--dot|--json] [--all-states] [--clock N] [--letters] FILE
       lotra-sim --check REFERENCE [--ticks N] [--clock N] [--any-start] [--csv] FILE...
       lotra-sim --expect TABLE [--csv] FILE...
       lotra-sim --expect-automaton TABLE [--clock N] [--any-start] [--csv] FILE...

Reads the circuit file FILE, switches the power on as the power-on command of the
editor does (input levels and generator counters cleared, then the circuit settles),
runs N ticks of the 100 ms generator clock, and prints every element with its pin
levels.

  --ticks N     run N generator ticks (default 0); every generator ticks in slot
                order, and the circuit settles when one of them reached a
                switching point
  --no-power    leave the levels as the file holds them instead of switching the
                power on (generator ticks still run)
  --write OUT   afterwards write the circuit to OUT in the circuit file format
  --vcd OUT     write the run to OUT as a value change dump for a waveform viewer
                such as GTKWave: every output pin and every indicator's number,
                at time 0 and after each tick (time unit 100 ms)
  --timing OUT  write the run's timing diagram to OUT as the window's panel draws
                it: the input signals, generators, triggers' Q and indicators'
                numbers, a column per tick; the ending .png, .svg or .pdf decides the
                format
  --png OUT     afterwards write a picture of the circuit to OUT (PNG), drawn as
                the editor's window draws it, cropped to the circuit
  --svg OUT     the same picture as vector graphics (SVG)
  --pdf OUT     the same picture on an A4 page (PDF), scaled to fit, with the
                name of FILE under it
  --truth-table print the truth table instead: the input signals (EntrSignal, at
                most 16) take every combination in turn, the first signal the
                most significant; each row starts from the file, powers on and
                lists the inputs, the indicators' numbers and every output of
                every gate, trigger and summer, separated by tabs
  --functions   print what the circuit computes instead: the variables (X1, X2,
                ... the input signals; Q1, Q2, ... the triggers' states; G1, G2,
                ... the gates on feedback loops, each taken in reading order), the
                truth table of every function (Y1.1, Y1.2, ... the indicators'
                inputs by weight; J1, K1, ... what reaches each trigger's J and K;
                G1+, ... the next value of each gate on a loop) and every minimal
                DNF and CNF of each (exact up to 12 variables, at most 16)
  --json        with --functions: one JSON object instead of the text,
                {"variables": [...], "functions": [{"name", "table", "dnf",
                "cnf", "exact"}, ...]}
  --kmap NAME OUT
                draw the Karnaugh map of the function NAME (2 to 6 variables) with
                the loops of its first minimal DNF into OUT; its ending .png, .svg
                or .pdf decides the format
  --automaton   print the circuit's automaton instead: its inputs X1, X2, ... (the
                input signals but the clock signal), its state Q1, ... G1, ...
                (as --functions names them) and its outputs Y1, ... (the
                indicators' numbers); whether it is a Moore or a Mealy automaton,
                how many states it has and its minimal automaton has, and the
                table of transitions and outputs. One clock is as many generator
                ticks as the least common multiple of the generators' periods;
                without generators, a pulse (1, then 0) on the clock signal: the
                first input signal that reaches a trigger's clock. States are
                met breadth first from power on, input vectors in binary order
                (at most 16 inputs and 4096 states)
  --dot         with --automaton: the state graph in the DOT language instead
  --json        with --automaton: one JSON object instead, {"kind", "inputs",
                "outputs", "state_variables", "initial", "states",
                "transitions": [{"from", "input", "to", "output"}, ...],
                "minimal_states"}
  --all-states  with --automaton: every combination of the triggers' states is
                a start too, as Ctrl+click sets it, for the full table
  --clock N     the Nth input signal in reading order is the clock signal
  --letters     with --automaton: name the states A, B, C ... beside their bits
  --check REFERENCE
                compare each FILE with the circuit REFERENCE instead: the input
                signals take every combination (at most 16 inputs) and every
                indicator must show what REFERENCE's shows after power on and,
                when REFERENCE has a generator or a trigger, after each of N
                generator ticks (--ticks, default 100). Inputs and indicators are
                taken in reading order: top to bottom, left to right at one height.
                When REFERENCE has a trigger, its automaton and each FILE's are
                compared instead: from both starts, every input sequence must give
                the same numbers; the first difference is the shortest sequence
                that tells them apart. Two that differ only by their start
                ("совпадает, кроме начального состояния") do not match unless
                --any-start is given
  --expect-automaton TABLE
                compare each FILE's automaton with one typed as a table: a header
                line, then per state and input vector the state's name, the input
                bits (X1 first, "-" without inputs), the next state's name and each
                indicator's number, separated by tabs or spaces; the first line's
                state is the start, states match up to their names
  --any-start   with a check of automata: another start still matches
  --csv         with a check: one line "name;verdict;details" per file instead
  --expect TABLE
                compare each FILE with a typed table instead: a header line, then
                one line per input combination with the input bits (inputs in
                reading order, as for --check) and each indicator's number after
                power on, laid out as --truth-table prints them (columns with a
                dot in their name are left out)
  --help        show this text
  --            every argument after it is a FILE, even one that begins with "-";
                after the REFERENCE or TABLE of a check, any argument that names
                an existing file is a FILE anyway

One line per element, logic-element table first, then the block table, slots upward:
  L0 LogicElement 0=1 4=1 9=1
  L1 Indicator 0=1 1=0 2=1 3=0 4=0 shows=05
  B0 Trigger 0=0 3=0 6=0 9=1 10=0
L or B with the slot, the kind (LogicElement, Indicator, Trigger, Summer,
EntrSignal, GTI), then pin=level for every pin the element has. An indicator
line ends with the two-digit number it shows: the sum of 2 to the power n over
its connected pins n at level 1.

Truth-table columns: B<slot> for an input signal, L<slot> for an indicator (its
two-digit number), L<slot>.9 for a gate's output, B<slot>.9 and B<slot>.10 for a
trigger's or summer's outputs.

A check prints one tab-separated line per FILE: its name, then "совпадает", or
"не совпадает" and the first difference (for automata "такт 3, входы 1, 0, 1:
индикатор показывает 02, ожидалось 03"), or "не сравнить" and why (unreadable,
not a circuit, another number of inputs or indicators); at the end
"совпадают N из M".

Exit status: 0 on success; 1 when OUT could not be written or a checked FILE
does not match; 2 when FILE, REFERENCE or TABLE is missing or unreadable, an
argument is wrong, the circuit has more than 16 input signals for a truth
table or a check, more than 16 variables for --functions, or no function NAME of
2 to 6 variables for --kmap (one line on standard error).
)";
}

}  // namespace lotrasim
