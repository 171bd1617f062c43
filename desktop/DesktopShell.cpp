// The Shell requests of the main window: message boxes, dialogs, repaints, timers
// and the controls.
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include "app/StatusTexts.h"
#include "app/Vortafrm.h"
#include "canvas/PictureFile.h"
#include "desktop/DesktopWindow.h"
#include "desktop/WorkAreaWidget.h"
#include "dialogs/DialogRequests.h"
#include "io/FileReplacement.h"
#include "platform/DialogTexts.h"
#include "platform/ProgramName.h"

namespace desktop {

namespace {
QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

bool CDesktopWindow::messageBox(const std::string& text, const std::string& caption,
                                platform::MessageBoxStyle style) {
    QMessageBox box(this);
    box.setWindowTitle(caption.empty() ? QString::fromUtf8(kDefaultCaption) : fromUtf8(caption));
    box.setText(fromUtf8(text));
    if (style == platform::MessageBoxStyle::OkCancelExclamation) {
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<LogicElementParams> CDesktopWindow::logicElementDialog(
    const LogicElementParams& preset) {
    return dialogs::runLogicElementDialog(this, preset);
}

std::optional<GeneratorParams> CDesktopWindow::generatorDialog(const GeneratorParams& preset) {
    return dialogs::runGeneratorDialog(this, preset);
}

bool CDesktopWindow::questionDialog(const std::string& line1, const std::string& line2) {
    return dialogs::runQuestionDialog(this, line1, line2);
}

bool CDesktopWindow::deleteConfirmDialog(int32_t anchorX, int32_t anchorY) {
    return dialogs::runDeleteConfirmDialog(this, workArea_, anchorX, anchorY);
}

std::optional<int> CDesktopWindow::pinChoiceDialog(const platform::PinChoiceRequest& request) {
    return dialogs::runPinChoiceDialog(this, request);
}

std::optional<std::string> CDesktopWindow::fileNameDialog(const std::string& label,
                                                          const std::string& preset) {
    return dialogs::runFileNameDialog(this, label, preset);
}

bool CDesktopWindow::warningDialog(const std::string& line1, const std::string& line2,
                                   const std::string& line3) {
    return dialogs::runWarningDialog(this, line1, line2, line3);
}

// Enter saves, Escape and the window's close button cancel the closing.
platform::SaveChangesAnswer CDesktopWindow::saveChangesDialog() {
    namespace text = platform::text;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(platform::kProgramName),
                    QString::fromUtf8(text::SaveChangesQuestion), QMessageBox::NoButton, this);
    box.setObjectName("saveChanges");
    QPushButton* save =
        box.addButton(QString::fromUtf8(text::SaveChanges), QMessageBox::AcceptRole);
    QPushButton* dontSave =
        box.addButton(QString::fromUtf8(text::DontSaveChanges), QMessageBox::DestructiveRole);
    QPushButton* cancel =
        box.addButton(QString::fromUtf8(text::CancelClosing), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return platform::SaveChangesAnswer::Save;
    if (box.clickedButton() == dontSave) return platform::SaveChangesAnswer::DontSave;
    return platform::SaveChangesAnswer::Cancel;
}

void CDesktopWindow::aboutDialog() {
    dialogs::runAboutDialog(this);
}

QString installedManualPath() {
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& path :
         {programDir + "/help.html", programDir + "/../share/lotra/help.html"}) {
        if (QFileInfo::exists(path)) return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

void CDesktopWindow::helpNoteDialog() {
    if (!manualPath_.isEmpty() && QFileInfo::exists(manualPath_) && browser_ &&
        browser_(QUrl::fromLocalFile(manualPath_)))
        return;
    dialogs::runHelpNoteDialog(this);
}

// The user is told of a failure in the words of a failed save; Qt's reason is not
// for them.
bool CDesktopWindow::writePicture(const platform::PictureRequest& request,
                                  const std::function<void(platform::Canvas&)>& paint) {
    std::vector<uint8_t> bytes;
    std::string reason;
    return canvas::encodePicture(request, paint, bytes, reason) &&
           io::replaceFile(request.fileName, bytes);
}

// The work area is painted whole on white each time (see CWorkAreaWidget), so the
// erase flag needs nothing more here.
void CDesktopWindow::invalidateRect(const Rect& rect, bool) {
    workArea_->update(QRect(rect.left, rect.top, rect.width(), rect.height()));
}

// Setting a running timer again restarts it: one timer per id.
void CDesktopWindow::setTimer(int id, int intervalMs) {
    QTimer*& qtimer = timers_[id];
    if (!qtimer) {
        qtimer = new QTimer(this);
        connect(qtimer, &QTimer::timeout, this, [this, id] { core_->OnTimer(id); });
    }
    qtimer->start(intervalMs);
}

void CDesktopWindow::killTimer(int id) {
    if (const auto found = timers_.find(id); found != timers_.end()) found->second->stop();
}

Size CDesktopWindow::clientSize() const {
    return {workArea_->width(), workArea_->height()};
}

std::optional<Point> CDesktopWindow::pointerPosition() const {
    const QPoint local = workArea_->mapFromGlobal(QCursor::pos());
    if (!workArea_->rect().contains(local)) return std::nullopt;
    return Point{local.x(), local.y()};
}

void CDesktopWindow::setScrollRange(platform::ScrollBarId bar, int32_t min, int32_t max) {
    const QSignalBlocker blocker(scrollBar(bar));
    scrollBar(bar).setRange(min, max);
}

void CDesktopWindow::setScrollPos(platform::ScrollBarId bar, int32_t pos) {
    const QSignalBlocker blocker(scrollBar(bar));
    scrollBar(bar).setValue(pos);
}

void CDesktopWindow::showStatus(const platform::WindowStatus& status) {
    statusLine_->setText(fromUtf8(app::statusLine(status)));
}

QString CDesktopWindow::statusText() const {
    return statusLine_->text();
}

void CDesktopWindow::setScrollPage(platform::ScrollBarId bar, int32_t page) {
    const QSignalBlocker blocker(scrollBar(bar));
    scrollBar(bar).setPageStep(std::max(page, 1));
}

void CDesktopWindow::moveControl(platform::ControlId id, const Rect& rect) {
    QWidget& widget = control(id);
    widget.setGeometry(rect.left, rect.top, rect.width(), rect.height());
    // A thumb as long as the share of the work area in view.
    if (auto* bar = qobject_cast<QScrollBar*>(&widget))
        bar->setPageStep(std::max(rect.width(), rect.height()));
}

}  // namespace desktop
