#pragma once
#include "dialogs/ExchangeDialog.h"

namespace dialogs {

// Who made the program and whose teaching went into it; closes with OK.
class CAboutDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace dialogs
