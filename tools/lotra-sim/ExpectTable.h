#pragma once
#include <optional>
#include <string>

#include "tools/lotra-sim/Behaviour.h"

namespace lotrasim {

// The outputs a teacher expects, typed in the layout --truth-table prints: a line
// of column names, then one line per combination of the inputs, cells separated by
// tabs or spaces: the input bits, then each indicator's number. 2 to the power n
// lines give n inputs, in any order of the combinations. Columns named with a dot
// (L3.9, B2.10: outputs of gates, triggers and summers) are left out, so a printed
// truth table serves as it is. The behaviour has one reading per combination, after
// power on; nothing, with the reason in `error`, when the text is not such a table
// or names no indicator.
std::optional<Behaviour> parseExpectTable(const std::string& text, std::string& error);

}  // namespace lotrasim
