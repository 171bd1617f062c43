#pragma once
#include <optional>
#include <string>

#include "analysis/Automaton.h"

namespace analysis {

// An automaton typed as a table, columns separated by tabs or spaces: a header
// line, then one line per state and input vector with the state's name, the input
// bits (X1 first; "-" without inputs), the next state's name and each indicator's
// number in reading order. States are named freely; the first line's state is the
// start. For a two-bit up counter:
//   состояние вход следующее выход
//   A - B 0
//   B - C 1
//   C - D 2
//   D - A 3
// Nothing, with the line and what is wrong with it in Russian in `error`, when a
// line does not fit or a state lacks an input vector.
std::optional<Automaton> parseAutomatonTable(const std::string& text, std::string& error);

}  // namespace analysis
