#include "support/RandomShell.h"

#include "app/CommandIds.h"

namespace {
// A few names, one in a missing folder and one with an odd character, so that
// Open finds earlier saves, and some writes fail.
const char* const kFileNames[] = {
    "a.vrt", "b.vrt", "c", "схема.vrt", "none/x.vrt", "a b", RandomShell::kNoiseFileName};
}  // namespace

bool RandomShell::coin(int percentTrue) {
    return std::uniform_int_distribution<int>(0, 99)(random_) < percentTrue;
}

bool RandomShell::messageBox(const std::string&, const std::string&,
                             platform::MessageBoxStyle style) {
    return style == platform::MessageBoxStyle::Ok || coin(50);
}

std::optional<LogicElementParams> RandomShell::logicElementDialog(const LogicElementParams&) {
    if (coin(15)) return std::nullopt;
    LogicElementParams params;
    params.isConjunction = coin(50);
    params.inputCount = std::uniform_int_distribution<uint32_t>(1, 9)(random_);
    params.inverted = coin(50);
    return params;
}

std::optional<GeneratorParams> RandomShell::generatorDialog(const GeneratorParams&) {
    if (coin(15)) return std::nullopt;
    // Tenths, as a user types them, within the dialog's bounds.
    auto tenths = [&](int low, int high) {
        return static_cast<float>(std::uniform_int_distribution<int>(low, high)(random_)) / 10.0f;
    };
    return GeneratorParams{tenths(10, 50), tenths(1, 9), tenths(0, 50)};
}

bool RandomShell::questionDialog(const std::string&, const std::string&) {
    return coin(60);
}

bool RandomShell::deleteConfirmDialog(int32_t, int32_t) {
    return coin(60);
}

std::optional<int> RandomShell::pinChoiceDialog(const platform::PinChoiceRequest& request) {
    if (coin(10)) return std::nullopt;
    const int pin = std::uniform_int_distribution<int>(0, kPinCount - 1)(random_);
    if (!request.pins[pin].present || request.pins[pin].connected) {
        ++refusedPins;
        return std::nullopt;
    }
    return pin;
}

std::optional<std::string> RandomShell::fileNameDialog(const std::string&,
                                                       const std::string& preset) {
    if (coin(15)) return std::nullopt;
    if (!preset.empty() && coin(30)) return preset;
    const auto pick = std::uniform_int_distribution<size_t>(0, std::size(kFileNames) - 1)(random_);
    return std::string(kFileNames[pick]);
}

bool RandomShell::warningDialog(const std::string&, const std::string&, const std::string&) {
    return coin(50);
}

void RandomShell::setTimer(int id, int) {
    if (id == timer::GeneratorClock) generatorTimerRunning = true;
    if (id == timer::Autosave) autosaveTimerRunning = true;
}

void RandomShell::killTimer(int id) {
    if (id == timer::GeneratorClock) generatorTimerRunning = false;
    if (id == timer::Autosave) autosaveTimerRunning = false;
}
