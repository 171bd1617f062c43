#include "web/DialogAnswers.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/Pin.h"

namespace web {

namespace {

std::optional<bool> boolField(const JsonValue& answer, const char* key) {
    const JsonValue* field = answer.member(key);
    return field ? field->asBool() : std::nullopt;
}

std::optional<double> numberField(const JsonValue& answer, const char* key) {
    const JsonValue* field = answer.member(key);
    return field ? field->asNumber() : std::nullopt;
}

// A number that single precision holds, with rounding.
std::optional<float> singleField(const JsonValue& answer, const char* key) {
    const std::optional<double> number = numberField(answer, key);
    if (!number || std::fabs(*number) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*number);
}

std::optional<uint32_t> unsignedField(const JsonValue& answer, const char* key) {
    const std::optional<double> number = numberField(answer, key);
    if (!number || *number < 0 || *number > UINT32_MAX || std::floor(*number) != *number)
        return std::nullopt;
    return static_cast<uint32_t>(*number);
}

}  // namespace

std::optional<LogicElementParams> logicElementAnswer(const JsonValue& answer) {
    const std::optional<bool> conjunction = boolField(answer, "conjunction");
    const std::optional<uint32_t> inputs = unsignedField(answer, "inputs");
    const std::optional<bool> inverted = boolField(answer, "inverted");
    if (!conjunction || !inputs || !inverted) return std::nullopt;
    return LogicElementParams{*conjunction, *inputs, *inverted};
}

// The numbers as typed, read the way the desktop reads them: to double, then single.
std::optional<GeneratorParams> generatorAnswer(const JsonValue& answer) {
    const std::optional<float> period = singleField(answer, "period");
    const std::optional<float> duty = singleField(answer, "duty");
    const std::optional<float> delay = singleField(answer, "delay");
    if (!period || !duty || !delay) return std::nullopt;
    return GeneratorParams{*period, *duty, *delay};
}

std::optional<int> pinChoiceAnswer(const JsonValue& answer) {
    const std::optional<uint32_t> pin = unsignedField(answer, "pin");
    if (!pin || *pin >= static_cast<uint32_t>(kPinCount)) return std::nullopt;
    return static_cast<int>(*pin);
}

std::optional<std::string> fileNameAnswer(const JsonValue& answer) {
    const JsonValue* name = answer.member("name");
    return name ? name->asString() : std::nullopt;
}

}  // namespace web
