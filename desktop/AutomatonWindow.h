#pragma once
#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "analysis/Automaton.h"

class CVortafrm;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Shell;
}

namespace desktop {

// The window "Автомат схемы": the table of transitions and outputs of the
// circuit's automaton and its state graph drawn by Graphviz, the start marked by
// an arrow. It is not modal and follows the circuit; "Сохранить рисунок..." writes
// the graph as PNG, SVG or PDF by the ending of the typed name.
class CAutomatonWindow : public QWidget {
    Q_OBJECT
  public:
    CAutomatonWindow(const CVortafrm& core, platform::Shell& shell, QWidget* owner);

    // Shows the window (brought forward when open) and computes what it shows.
    void open();
    // The circuit changed: computed again while the window is open.
    void followCircuit();
    // What the window shows, for tests.
    QString tableText() const;
    const QImage& graph() const { return graph_; }

  private:
    void compute();
    void showAutomaton();
    void savePicture();
    std::string dot() const;

    const CVortafrm& core_;
    platform::Shell& shell_;
    std::optional<analysis::CircuitAutomaton> automaton_;
    std::string error_;
    QImage graph_;
    QPlainTextEdit* table_ = nullptr;
    QCheckBox* letters_ = nullptr;
    QCheckBox* allStates_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace desktop
