#pragma once
#include <optional>
#include <string>

#include "model/ElementParams.h"
#include "web/JsonReader.h"

// The answers of the page's dialogs, as its script sends them on OK: an object with
// the dialog's fields. An answer that lacks a field or holds one of the wrong type is
// no answer; values are passed on as they are, for the core to check against its
// limits.
namespace web {

// {"conjunction": bool, "inputs": a whole number below 2^32, "inverted": bool}
std::optional<LogicElementParams> logicElementAnswer(const JsonValue& answer);
// {"period", "duty", "delay": numbers}, each taken to single precision.
std::optional<GeneratorParams> generatorAnswer(const JsonValue& answer);
// {"pin": a pin number, or null when OK was pressed without a choice}
std::optional<int> pinChoiceAnswer(const JsonValue& answer);
// {"name": text}
std::optional<std::string> fileNameAnswer(const JsonValue& answer);

}  // namespace web
