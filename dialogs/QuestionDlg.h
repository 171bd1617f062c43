#pragma once
#include <QString>

#include "dialogs/ExchangeDialog.h"

class QLineEdit;

namespace dialogs {

// Two centred read-only lines asking to confirm a change, with OK and Cancel.
class CQuestionDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CQuestionDlg(QWidget* parent);

    QString line1;
    QString line2;

  protected:
    void loadFields() override;

  private:
    QLineEdit* line1Edit_;
    QLineEdit* line2Edit_;
};

}  // namespace dialogs
