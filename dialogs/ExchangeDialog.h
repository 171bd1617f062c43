#pragma once
#include <cstdint>
#include <optional>

#include <QDialog>

#include "dialogs/DialogControls.h"
#include "dialogs/DialogUnits.h"
#include "model/ElementParams.h"

class QLineEdit;
class QPushButton;

namespace dialogs {

// The window frames the dialogs use.
enum class DialogFrame {
    Modal,         // title bar, system menu, fixed size
    TitleOnly,     // title bar without a system menu, fixed size
    MinMaxModal,   // title bar, system menu, minimize and maximize boxes, fixed size
    MinMaxSizable  // the same with a resizable frame
};

// A modal dialog laid out from a template in dialog units that copies its data fields
// into the controls when it opens and back out on OK, refusing OK while a field does
// not validate. A refused field keeps the focus with its text selected.
class CExchangeDialog : public QDialog {
    Q_OBJECT
  public:
    CExchangeDialog(QWidget* parent, const QString& title, int widthUnits, int heightUnits,
                    DialogFrame frame = DialogFrame::Modal, const DialogFont& font = kFont8);

    void accept() override;

  protected:
    // Fields into controls, once, when the dialog first shows.
    virtual void loadFields() {}
    // Controls into fields; false (after telling the user) when one does not validate.
    virtual bool storeFields() { return true; }

    void showEvent(QShowEvent* event) override;

    const DialogFont& templateFont() const { return font_; }
    QPushButton* addButton(const QString& name, const QString& text, UnitRect at);
    // The default button, "ok", which accepts, and the "cancel" button, which refuses.
    QPushButton* addAcceptButton(const QString& text, UnitRect at);
    QPushButton* addRejectButton(const QString& text, UnitRect at);
    void addOkCancel(UnitRect ok, UnitRect cancel);
    QLineEdit* addEditControl(int id, UnitRect at, EditStyle style);

    // Puts the focus into `edit` with its whole text selected.
    static void focusAndSelect(QLineEdit* edit);
    // Shows `message` as a validation message, then returns the focus to `field`.
    void refuseField(QLineEdit* field, const QString& message);
    // The field's number when it lies in `range`; otherwise the field is refused.
    std::optional<uint32_t> readUnsigned(QLineEdit* field, ParamRange<uint32_t> range);
    std::optional<float> readFloat(QLineEdit* field, ParamRange<float> range);
    static void writeFloat(QLineEdit* field, float value);

  private:
    DialogFont font_;
    bool fieldsLoaded_ = false;
};

}  // namespace dialogs
