#pragma once
#include "dialogs/ExchangeDialog.h"

namespace dialogs {

// Tells where the user manual is; closes with OK.
class CHelpNoteDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CHelpNoteDlg(QWidget* parent);
};

}  // namespace dialogs
