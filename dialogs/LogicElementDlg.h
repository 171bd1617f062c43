#pragma once
#include <cstdint>

#include "dialogs/ExchangeDialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace dialogs {

// The parameters of a gate: conjunctor or disjunctor, 1 to 9 inputs, inverted output.
class CLogicElementDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CLogicElementDlg(QWidget* parent);

    // Not exchanged on OK: it always holds the last radio button clicked.
    bool isConjunction = true;
    uint32_t inputCount = 2;
    bool inverted = false;

  protected:
    void loadFields() override;
    bool storeFields() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseType(bool conjunction);
    void stepInputCount(int delta);

    QRadioButton* conjunctor_;
    QRadioButton* disjunctor_;
    QLineEdit* inputCountEdit_;
    QCheckBox* invertedBox_;
};

}  // namespace dialogs
