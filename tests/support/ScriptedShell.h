#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

// A Shell for tests: answers are queued in advance and every request is recorded.
// A request with no queued answer is refused (Cancel, no pin, no name) and counted
// in `unanswered`, so a test can check that nothing unexpected was asked.
class ScriptedShell : public platform::Shell {
  public:
    struct MessageBoxCall {
        std::string text;
        std::string caption;
        platform::MessageBoxStyle style;
    };
    struct Invalidation {
        Rect rect;
        bool erase = false;
    };
    struct FileNameCall {
        std::string label;
        std::string preset;
    };

    // Answers, taken from the front.
    std::deque<bool> messageBoxAnswers;  // an OK-only box needs none: it answers OK
    std::deque<std::optional<LogicElementParams>> logicElementAnswers;
    std::deque<std::optional<GeneratorParams>> generatorAnswers;
    std::deque<bool> questionAnswers;
    std::deque<bool> deleteAnswers;
    std::deque<std::optional<int>> pinAnswers;
    std::deque<std::optional<std::string>> fileNameAnswers;
    std::deque<bool> warningAnswers;
    std::deque<bool> pictureAnswers;  // whether the picture file was written
    std::deque<std::optional<platform::ComputerFile>> computerFileAnswers;
    std::deque<platform::SaveChangesAnswer> saveChangesAnswers;  // none queued: Cancel

    // What was asked, in order.
    std::vector<std::string> log;  // one line per request, e.g. "question: A | B"
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<LogicElementParams> logicElementPresets;
    std::vector<GeneratorParams> generatorPresets;
    std::vector<std::pair<std::string, std::string>> questions;
    std::vector<Point> deleteAnchors;
    std::vector<platform::PinChoiceRequest> pinRequests;
    std::vector<FileNameCall> fileNameCalls;
    std::vector<std::vector<std::string>> warnings;
    std::vector<platform::PictureRequest> pictureRequests;
    std::vector<Invalidation> invalidations;
    int unanswered = 0;
    // A queued pin that the dialog would not offer (absent or already connected)
    // is refused like a click on a greyed button.
    int refusedPins = 0;
    int aboutShown = 0;
    int helpNoteShown = 0;

    std::map<int, int> runningTimers;   // id -> interval
    std::vector<std::string> timerLog;  // "set 1 100", "kill 1"
    Size client{640, 480};
    std::optional<Point> pointer;  // where pointerPosition() says the pointer is
    std::map<platform::ScrollBarId, std::pair<int32_t, int32_t>> scrollRanges;
    std::map<platform::ScrollBarId, int32_t> scrollPositions;
    std::map<platform::ControlId, Rect> controls;
    std::vector<platform::WindowStatus> statuses;   // every status line handed over
    std::optional<std::vector<uint8_t>> clipboard;  // the circuit bytes a copy put there
    Size clipboardPictureSize;

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
    void helpNoteDialog() override;
    std::optional<platform::ComputerFile> chooseComputerFile() override;
    bool writePicture(const platform::PictureRequest& request,
                      const std::function<void(platform::Canvas&)>& paint) override;

    void invalidateRect(const Rect& rect, bool erase) override;
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    Size clientSize() const override { return client; }
    std::optional<Point> pointerPosition() const override { return pointer; }
    void setScrollRange(platform::ScrollBarId bar, int32_t min, int32_t max) override;
    void setScrollPos(platform::ScrollBarId bar, int32_t pos) override;
    void moveControl(platform::ControlId control, const Rect& rect) override;
    void showStatus(const platform::WindowStatus& status) override { statuses.push_back(status); }
    void putOnClipboard(const std::vector<uint8_t>& circuit, Size size,
                        const std::function<void(platform::Canvas&)>&) override {
        clipboard = circuit;
        clipboardPictureSize = size;
    }
    std::optional<std::vector<uint8_t>> clipboardCircuit() override { return clipboard; }

    // How many times the whole work area was invalidated with this erase flag.
    int workAreaInvalidations(bool erase) const;
    // Forgets every record (answers stay queued).
    void clearRecords();

  private:
    // The front queued answer; none queued is counted in `unanswered`.
    template <typename T>
    std::optional<T> nextAnswer(std::deque<T>& answers);
};
