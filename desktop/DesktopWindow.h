#pragma once
#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "platform/Shell.h"

class QDockWidget;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QUrl;
class CVortafrm;

namespace desktop {

class CFunctionsWindow;
class CTimingPanel;
class CAutomatonWindow;
class CWorkAreaWidget;

// The user manual beside the program (in the build folder), or in the data folder
// it is installed with; empty when it is in neither.
QString installedManualPath();

// The caption of a message box that has none of its own.
inline constexpr const char* kDefaultCaption = "lotra";

// The main window: menu, work area, scroll bars, corner button and timers, all
// forwarded to the core, which asks for everything it needs through the Shell.
// Creating it restores the recovery file; closing or destroying it empties it.
class CDesktopWindow : public QMainWindow, public platform::Shell {
    Q_OBJECT
  public:
    CDesktopWindow();
    ~CDesktopWindow() override;
    CDesktopWindow(const CDesktopWindow&) = delete;
    CDesktopWindow& operator=(const CDesktopWindow&) = delete;

    // Shows the window with the outer rectangle 640 x 480 at (100, 50), or as much
    // of it as the screen's available area holds.
    void showAtHome();
    // Another copy of the program asked for this window: restore it when it is
    // minimised, and nothing else.
    void restoreIfMinimized();

    CVortafrm& core() { return *core_; }
    CWorkAreaWidget& workArea() { return *workArea_; }
    QScrollBar& scrollBar(platform::ScrollBarId bar);
    QWidget& control(platform::ControlId control);
    // The running timers: id -> interval in milliseconds.
    std::map<int, int> runningTimers() const;
    // The status line's text.
    QString statusText() const;
    // What opens the manual in the user's browser (false when none could be
    // started), and where the manual is (empty: it is not there).
    void setBrowser(std::function<bool(const QUrl&)> browser) { browser_ = std::move(browser); }
    void setManualPath(const QString& path) { manualPath_ = path; }

    bool messageBox(const std::string& text, const std::string& caption,
                    platform::MessageBoxStyle style) override;
    std::optional<LogicElementParams> logicElementDialog(const LogicElementParams& preset) override;
    std::optional<GeneratorParams> generatorDialog(const GeneratorParams& preset) override;
    bool questionDialog(const std::string& line1, const std::string& line2) override;
    bool deleteConfirmDialog(int32_t anchorX, int32_t anchorY) override;
    std::optional<int> pinChoiceDialog(const platform::PinChoiceRequest& request) override;
    std::optional<std::string> fileNameDialog(const std::string& label,
                                              const std::string& preset) override;
    bool warningDialog(const std::string& line1, const std::string& line2,
                       const std::string& line3) override;
    platform::SaveChangesAnswer saveChangesDialog() override;
    void aboutDialog() override;
    // Opens the manual in the user's browser, or shows the note that names it when
    // no browser can be started or the manual is not there.
    void helpNoteDialog() override;
    // The desktop's files are the computer's own, and its menu offers no other.
    std::optional<platform::ComputerFile> chooseComputerFile() override { return std::nullopt; }
    bool writePicture(const platform::PictureRequest& request,
                      const std::function<void(platform::Canvas&)>& paint) override;

    void invalidateRect(const Rect& rect, bool erase) override;
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    Size clientSize() const override;
    std::optional<Point> pointerPosition() const override;
    void setScrollRange(platform::ScrollBarId bar, int32_t min, int32_t max) override;
    void setScrollPos(platform::ScrollBarId bar, int32_t pos) override;
    void moveControl(platform::ControlId id, const Rect& rect) override;
    void showStatus(const platform::WindowStatus& status) override;
    void showCircuitFunctions() override;
    void circuitChanged() override;
    // The window "Функции схемы" once it was opened, for tests.
    CFunctionsWindow* functionsWindow() { return functionsWindow_; }
    void showCircuitAutomaton() override;
    // The window "Автомат схемы" once it was opened, for tests.
    CAutomatonWindow* automatonWindow() { return automatonWindow_; }
    void setScrollPage(platform::ScrollBarId bar, int32_t page) override;
    void toggleTimingDiagram() override;
    // The panel "Временная диаграмма" once it was opened, for tests.
    CTimingPanel* timingPanel() { return timingPanel_; }
    void zoomChanged(int32_t zoom) override { Q_EMIT zoomChosen(zoom); }
    void putOnClipboard(const std::vector<uint8_t>& circuit, Size size,
                        const std::function<void(platform::Canvas&)>& paint) override;
    std::optional<std::vector<uint8_t>> clipboardCircuit() override;
    bool clipboardMayHoldCircuit() override;

  Q_SIGNALS:
    // The user chose another zoom.
    void zoomChosen(int32_t zoom);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Whether the clipboard holds a group, looked at once after each change of it
    // (the menu asks before every key).
    std::optional<bool> clipboardHoldsCircuit_;

    void createControls();
    void runCommand(int id);
    void sendScroll(QScrollBar* bar, int code);
    void destroyOnce();
    void fitOuterRectangle();
    // The check items as the user left them in an earlier run, and kept for the next.
    void restoreRememberedChoices();
    void rememberChoice(int id);
    QRect homeRectangle() const;

    std::unique_ptr<CVortafrm> core_;
    CWorkAreaWidget* workArea_ = nullptr;
    CFunctionsWindow* functionsWindow_ = nullptr;
    CAutomatonWindow* automatonWindow_ = nullptr;
    QDockWidget* timingDock_ = nullptr;
    CTimingPanel* timingPanel_ = nullptr;
    QScrollBar* vScrollBar_ = nullptr;
    QScrollBar* hScrollBar_ = nullptr;
    QPushButton* cornerButton_ = nullptr;
    QLabel* statusLine_ = nullptr;
    std::function<bool(const QUrl&)> browser_;
    QString manualPath_;
    std::map<int, QTimer*> timers_;
    bool destroyed_ = false;
    bool outerRectanglePending_ = false;
};

}  // namespace desktop
