#include "dialogs/DialogRequests.h"

#include <QString>

#include "dialogs/AboutDlg.h"
#include "dialogs/DeleteConfirmDlg.h"
#include "dialogs/FileNameDlg.h"
#include "dialogs/GeneratorDlg.h"
#include "dialogs/HelpNoteDlg.h"
#include "dialogs/LogicElementDlg.h"
#include "dialogs/PinChoiceDlg.h"
#include "dialogs/QuestionDlg.h"
#include "dialogs/WarningDlg.h"
#include "model/Pin.h"

namespace dialogs {

namespace {
QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

std::optional<LogicElementParams> runLogicElementDialog(QWidget* parent,
                                                        const LogicElementParams& preset) {
    CLogicElementDlg dialog(parent);
    dialog.isConjunction = preset.isConjunction;
    dialog.inputCount = preset.inputCount;
    dialog.inverted = preset.inverted;
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return LogicElementParams{dialog.isConjunction, dialog.inputCount, dialog.inverted};
}

std::optional<GeneratorParams> runGeneratorDialog(QWidget* parent, const GeneratorParams& preset) {
    CGeneratorDlg dialog(parent);
    dialog.period = preset.period;
    dialog.duty = preset.duty;
    dialog.delay = preset.delay;
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return GeneratorParams{dialog.period, dialog.duty, dialog.delay};
}

bool runQuestionDialog(QWidget* parent, const std::string& line1, const std::string& line2) {
    CQuestionDlg dialog(parent);
    dialog.line1 = toQt(line1);
    dialog.line2 = toQt(line2);
    return dialog.exec() == QDialog::Accepted;
}

bool runDeleteConfirmDialog(QWidget* parent, QWidget* client, int anchorX, int anchorY) {
    CDeleteConfirmDlg dialog(parent, client);
    dialog.anchorX = anchorX;
    dialog.anchorY = anchorY;
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> runPinChoiceDialog(QWidget* parent, const platform::PinChoiceRequest& request) {
    CPinChoiceDlg dialog(parent);
    dialog.pins = request.pins;
    dialog.bodyBitmap = request.bodyBitmap;
    dialog.width = request.width;
    dialog.height = request.height;
    dialog.outputBitmap = request.outputBitmap;
    dialog.symbolBitmap = request.symbolBitmap;
    dialog.twoOutputs = request.twoOutputs;
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int pin = static_cast<int>(dialog.chosenPin);
    if (!isPinNumber(pin)) return std::nullopt;
    return pin;
}

std::optional<std::string> runFileNameDialog(QWidget* parent, const std::string& label,
                                             const std::string& preset) {
    CFileNameDlg dialog(parent);
    dialog.label = toQt(label);
    dialog.fileName = toQt(preset);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.fileName.toStdString();
}

bool runWarningDialog(QWidget* parent, const std::string& line1, const std::string& line2,
                      const std::string& line3) {
    CWarningDlg dialog(parent);
    dialog.line1 = toQt(line1);
    dialog.line2 = toQt(line2);
    dialog.line3 = toQt(line3);
    return dialog.exec() == QDialog::Accepted;
}

void runAboutDialog(QWidget* parent) {
    CAboutDlg dialog(parent);
    dialog.exec();
}

void runHelpNoteDialog(QWidget* parent) {
    CHelpNoteDlg dialog(parent);
    dialog.exec();
}

}  // namespace dialogs
