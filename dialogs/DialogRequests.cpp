// Placeholder until the dialogs exist: every request is refused.
#include "dialogs/DialogRequests.h"

namespace dialogs {
std::optional<platform::LogicElementParams> runLogicElementDialog(
    QWidget*, const platform::LogicElementParams&) {
    return std::nullopt;
}
std::optional<platform::GeneratorParams> runGeneratorDialog(QWidget*,
                                                            const platform::GeneratorParams&) {
    return std::nullopt;
}
bool runQuestionDialog(QWidget*, const std::string&, const std::string&) {
    return false;
}
bool runDeleteConfirmDialog(QWidget*, QWidget*, int, int) {
    return false;
}
std::optional<int> runPinChoiceDialog(QWidget*, const platform::PinChoiceRequest&) {
    return std::nullopt;
}
std::optional<std::string> runFileNameDialog(QWidget*, const std::string&, const std::string&) {
    return std::nullopt;
}
bool runWarningDialog(QWidget*, const std::string&, const std::string&, const std::string&) {
    return false;
}
void runAboutDialog(QWidget*) {}
void runHelpNoteDialog(QWidget*) {}
}  // namespace dialogs
