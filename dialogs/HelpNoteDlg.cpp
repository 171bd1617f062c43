#include "dialogs/HelpNoteDlg.h"

#include "platform/DialogTexts.h"

namespace dialogs {

CHelpNoteDlg::CHelpNoteDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::HelpNoteTitle, 147, 53, DialogFrame::MinMaxSizable,
                      kFont10) {
    addAcceptButton(platform::text::Ok, {54, 34, 38, 12});
    addStaticText(this, templateFont(), platform::text::HelpNoteText, {26, 7, 94, 18},
                  Qt::AlignLeft);
}

}  // namespace dialogs
