#pragma once
#include "dialogs/ExchangeDialog.h"

class QLineEdit;

namespace dialogs {

// The timing of a pulse generator: period and delay in seconds, duty as a fraction.
class CGeneratorDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CGeneratorDlg(QWidget* parent);

    float period = 0.0f;
    float duty = 0.0f;
    float delay = 0.0f;

  protected:
    void loadFields() override;
    bool storeFields() override;

  private:
    QLineEdit* periodEdit_;
    QLineEdit* dutyEdit_;
    QLineEdit* delayEdit_;
};

}  // namespace dialogs
