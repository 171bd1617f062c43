#pragma once
#include <QString>

#include "dialogs/ExchangeDialog.h"

class QLineEdit;

namespace dialogs {

// A label line naming the operation and the file-name field.
class CFileNameDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxFileName = 24;
    static constexpr int kMaxLabel = 40;

    explicit CFileNameDlg(QWidget* parent);

    QString fileName;
    QString label;

  protected:
    void loadFields() override;
    bool storeFields() override;

  private:
    QLineEdit* fileNameEdit_;
    QLineEdit* labelEdit_;
};

}  // namespace dialogs
