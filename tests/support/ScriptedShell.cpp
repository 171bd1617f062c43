#include "support/ScriptedShell.h"

#include <fstream>

template <typename T>
std::optional<T> ScriptedShell::nextAnswer(std::deque<T>& answers) {
    if (answers.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

bool ScriptedShell::messageBox(const std::string& text, const std::string& caption,
                               platform::MessageBoxStyle style) {
    messageBoxes.push_back({text, caption, style});
    log.push_back("messageBox: " + text);
    if (style == platform::MessageBoxStyle::Ok) return true;
    return nextAnswer(messageBoxAnswers).value_or(false);
}

std::optional<LogicElementParams> ScriptedShell::logicElementDialog(
    const LogicElementParams& preset) {
    logicElementPresets.push_back(preset);
    log.push_back("logicElementDialog");
    return nextAnswer(logicElementAnswers).value_or(std::nullopt);
}

std::optional<GeneratorParams> ScriptedShell::generatorDialog(const GeneratorParams& preset) {
    generatorPresets.push_back(preset);
    log.push_back("generatorDialog");
    return nextAnswer(generatorAnswers).value_or(std::nullopt);
}

bool ScriptedShell::questionDialog(const std::string& line1, const std::string& line2) {
    questions.emplace_back(line1, line2);
    log.push_back("question: " + line1 + " | " + line2);
    return nextAnswer(questionAnswers).value_or(false);
}

bool ScriptedShell::deleteConfirmDialog(int32_t anchorX, int32_t anchorY) {
    deleteAnchors.push_back({anchorX, anchorY});
    log.push_back("deleteConfirm");
    return nextAnswer(deleteAnswers).value_or(false);
}

std::optional<int> ScriptedShell::pinChoiceDialog(const platform::PinChoiceRequest& request) {
    pinRequests.push_back(request);
    log.push_back("pinChoice");
    const auto answer = nextAnswer(pinAnswers);
    if (!answer) return std::nullopt;
    const std::optional<int> pin = *answer;
    if (!pin) return std::nullopt;
    if (!isPinNumber(*pin) || !request.pins[*pin].present || request.pins[*pin].connected) {
        ++refusedPins;
        return std::nullopt;
    }
    return pin;
}

std::optional<std::string> ScriptedShell::fileNameDialog(const std::string& label,
                                                         const std::string& preset) {
    fileNameCalls.push_back({label, preset});
    log.push_back("fileName: " + label);
    return nextAnswer(fileNameAnswers).value_or(std::nullopt);
}

bool ScriptedShell::warningDialog(const std::string& line1, const std::string& line2,
                                  const std::string& line3) {
    warnings.push_back({line1, line2, line3});
    log.push_back("warning: " + line1);
    return nextAnswer(warningAnswers).value_or(false);
}

platform::SaveChangesAnswer ScriptedShell::saveChangesDialog() {
    log.push_back("saveChanges");
    return nextAnswer(saveChangesAnswers).value_or(platform::SaveChangesAnswer::Cancel);
}

void ScriptedShell::aboutDialog() {
    ++aboutShown;
    log.push_back("about");
}

// Nothing is painted: a picture answered as written is an empty file under its
// name, as a platform's writer leaves one, and a failure leaves none.
bool ScriptedShell::writePicture(const platform::PictureRequest& request,
                                 const std::function<void(platform::Canvas&)>&) {
    pictureRequests.push_back(request);
    log.push_back("picture: " + request.fileName);
    const bool written = nextAnswer(pictureAnswers).value_or(false);
    if (written) std::ofstream(request.fileName, std::ios::binary | std::ios::trunc).close();
    return written;
}

void ScriptedShell::helpNoteDialog() {
    ++helpNoteShown;
    log.push_back("helpNote");
}

std::optional<platform::ComputerFile> ScriptedShell::chooseComputerFile() {
    log.push_back("computerFile");
    return nextAnswer(computerFileAnswers).value_or(std::nullopt);
}

void ScriptedShell::invalidateRect(const Rect& rect, bool erase) {
    invalidations.push_back({rect, erase});
}

void ScriptedShell::setTimer(int id, int intervalMs) {
    runningTimers[id] = intervalMs;
    timerLog.push_back("set " + std::to_string(id) + " " + std::to_string(intervalMs));
}

void ScriptedShell::killTimer(int id) {
    runningTimers.erase(id);
    timerLog.push_back("kill " + std::to_string(id));
}

void ScriptedShell::setScrollRange(platform::ScrollBarId bar, int32_t min, int32_t max) {
    scrollRanges[bar] = {min, max};
}

void ScriptedShell::setScrollPos(platform::ScrollBarId bar, int32_t pos) {
    scrollPositions[bar] = pos;
}

void ScriptedShell::moveControl(platform::ControlId control, const Rect& rect) {
    controls[control] = rect;
}

int ScriptedShell::workAreaInvalidations(bool erase) const {
    int count = 0;
    const Rect workArea = workAreaRect(client);
    for (const Invalidation& inv : invalidations) {
        if (inv.rect == workArea && inv.erase == erase) ++count;
    }
    return count;
}

void ScriptedShell::clearRecords() {
    log.clear();
    messageBoxes.clear();
    logicElementPresets.clear();
    generatorPresets.clear();
    questions.clear();
    deleteAnchors.clear();
    pinRequests.clear();
    fileNameCalls.clear();
    warnings.clear();
    invalidations.clear();
    timerLog.clear();
    unanswered = 0;
    refusedPins = 0;
}
