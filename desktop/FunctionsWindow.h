#pragma once
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "analysis/CircuitFunctions.h"

class CVortafrm;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Shell;
}

namespace desktop {

// The window "Функции схемы": the list of the circuit's functions and, for the
// chosen one, its truth table, its minimal forms and its Karnaugh map. It is not
// modal and follows the circuit: each change is computed again on a copy of the
// tables away from the user-interface thread, so that the generator clock keeps
// its time while a large circuit is worked out.
class CFunctionsWindow : public QWidget {
    Q_OBJECT
  public:
    CFunctionsWindow(const CVortafrm& core, platform::Shell& shell, QWidget* owner);
    ~CFunctionsWindow() override;
    CFunctionsWindow(const CFunctionsWindow&) = delete;
    CFunctionsWindow& operator=(const CFunctionsWindow&) = delete;

    // Shows the window (brought forward when open) and computes what it shows.
    void open();
    // The circuit changed: computed again while the window is open.
    void followCircuit();
    // Whether a computation is under way, for tests.
    bool computing() const { return running_.valid(); }
    // The picture the window shows for the chosen function, for tests.
    const QImage& picture() const { return picture_; }

    struct Result {
        std::optional<analysis::CircuitFunctions> functions;
        std::vector<analysis::AnalysedFunction> analysed;
        std::string error;
    };

  private:
    void startComputing();
    void collect();
    void showResult();
    void showFunction(int row);
    void savePicture();

    const CVortafrm& core_;
    platform::Shell& shell_;
    std::future<Result> running_;
    bool again_ = false;  // the circuit changed while it was being computed
    Result shown_;
    QImage picture_;
    QListWidget* list_ = nullptr;
    QLabel* variables_ = nullptr;
    QPlainTextEdit* forms_ = nullptr;
    QLabel* map_ = nullptr;
    QPushButton* save_ = nullptr;
    QTimer poll_;
};

}  // namespace desktop
