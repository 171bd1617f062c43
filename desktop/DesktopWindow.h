#pragma once
#include <QMainWindow>
#include <map>
#include <memory>

#include "platform/Shell.h"

class QPushButton;
class QScrollBar;
class QTimer;
class CVortafrm;

namespace desktop {

class CWorkAreaWidget;

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

    // Shows the window with the outer rectangle 640 x 480 at (100, 50).
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
    void aboutDialog() override;
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
    void setScrollPage(platform::ScrollBarId bar, int32_t page) override;
    void zoomChanged(int32_t zoom) override { Q_EMIT zoomChosen(zoom); }

  Q_SIGNALS:
    // The user chose another zoom.
    void zoomChosen(int32_t zoom);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void runCommand(int id);
    void sendScroll(QScrollBar* bar, int code);
    void destroyOnce();
    void fitOuterRectangle();

    std::unique_ptr<CVortafrm> core_;
    CWorkAreaWidget* workArea_ = nullptr;
    QScrollBar* vScrollBar_ = nullptr;
    QScrollBar* hScrollBar_ = nullptr;
    QPushButton* cornerButton_ = nullptr;
    std::map<int, QTimer*> timers_;
    bool destroyed_ = false;
    bool outerRectanglePending_ = false;
};

}  // namespace desktop
