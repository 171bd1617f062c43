#pragma once
#include <cstdint>

#include "dialogs/ExchangeDialog.h"

namespace dialogs {

// "Удалить выделенные элементы?", opened just below and right of the click that asked.
class CDeleteConfirmDlg : public CExchangeDialog {
    Q_OBJECT
  public:
    // The dialog's top-left corner goes this far from the click, in screen pixels.
    static constexpr int kOffsetX = 5;
    static constexpr int kOffsetY = 50;

    // `client` is the widget whose coordinates the anchor is given in.
    CDeleteConfirmDlg(QWidget* parent, QWidget* client);

    int32_t anchorX = 0;
    int32_t anchorY = 0;

  protected:
    void loadFields() override;

  private:
    QWidget* client_;
};

}  // namespace dialogs
