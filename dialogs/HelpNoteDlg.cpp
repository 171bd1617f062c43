#include "dialogs/HelpNoteDlg.h"

#include "dialogs/DialogTexts.h"

namespace dialogs {

CHelpNoteDlg::CHelpNoteDlg(QWidget* parent)
    : CExchangeDialog(parent, text::HelpNoteTitle, 147, 53, DialogFrame::MinMaxSizable, kFont10) {
    addAcceptButton(text::Ok, {54, 34, 38, 12});
    addStaticText(this, templateFont(), text::HelpNoteText, {26, 7, 94, 18}, Qt::AlignLeft);
}

}  // namespace dialogs
