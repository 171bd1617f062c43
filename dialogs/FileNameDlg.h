#pragma once
#include <QString>

#include "dialogs/ExchangeDialog.h"

class QLineEdit;

namespace dialogs {

// A label line naming the operation, the file-name field, and "Обзор..." for the
// system's file chooser. A typed name has at most kMaxFileName characters: a
// keystroke past them does nothing, and a longer name pasted in is refused on OK
// rather than cut. A path chosen with "Обзор..." (or given as the preset) may be
// longer.
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
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void browse();
    // Whether the text is one the user did not type: the preset or the chosen path.
    bool isGivenPath(const QString& text) const;

    QLineEdit* fileNameEdit_;
    QLineEdit* labelEdit_;
    QString chosenPath_;
};

}  // namespace dialogs
