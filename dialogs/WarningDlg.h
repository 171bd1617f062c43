#pragma once
#include <QString>

#include "dialogs/ExchangeDialog.h"

class QLineEdit;
class QPushButton;

namespace dialogs {

// Three centred lines warning that data will be lost, with "Продолжить" and
// "Отказаться". Refusing is the safe answer, so it has the focus when the dialog opens.
class CWarningDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxLine = 80;

    explicit CWarningDlg(QWidget* parent);

    QString line1;
    QString line2;
    QString line3;

  protected:
    void loadFields() override;

  private:
    QLineEdit* lineEdits_[3] = {};
    QPushButton* refuse_;
};

}  // namespace dialogs
