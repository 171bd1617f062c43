#pragma once
#include <optional>
#include <string>

#include "platform/Shell.h"

class QWidget;

// The modal dialogs as the Shell requests them: data in, the fields back on OK and
// nothing on Cancel. `parent` is the main window.
namespace dialogs {

std::optional<LogicElementParams> runLogicElementDialog(QWidget* parent,
                                                        const LogicElementParams& preset);
std::optional<GeneratorParams> runGeneratorDialog(QWidget* parent, const GeneratorParams& preset);
bool runQuestionDialog(QWidget* parent, const std::string& line1, const std::string& line2);
// The anchor is the click in the parent's client coordinates (`client`, the widget
// that shows the work area).
bool runDeleteConfirmDialog(QWidget* parent, QWidget* client, int anchorX, int anchorY);
std::optional<int> runPinChoiceDialog(QWidget* parent, const platform::PinChoiceRequest& request);
std::optional<std::string> runFileNameDialog(QWidget* parent, const std::string& label,
                                             const std::string& preset);
bool runWarningDialog(QWidget* parent, const std::string& line1, const std::string& line2,
                      const std::string& line3);
void runAboutDialog(QWidget* parent);
void runHelpNoteDialog(QWidget* parent);

}  // namespace dialogs
