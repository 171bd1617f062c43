#include "dialogs/AboutDlg.h"

#include <QLabel>
#include <QPixmap>

#include "canvas/BitmapStore.h"
#include "platform/DialogTexts.h"

namespace dialogs {

namespace {
constexpr int32_t kApplicationIcon = 101;

struct CreditLine {
    const char* text;
    UnitRect at;
    int alignment;
};
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::AboutTitle, 214, 195, DialogFrame::MinMaxModal) {
    addAcceptButton(platform::text::Ok, {166, 174, 41, 14});

    auto* icon = new QLabel(this);
    icon->setObjectName("icon101");
    icon->setGeometry(unitsToPixels(templateFont(), 24, 27, 21, 20));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(QPixmap::fromImage(canvas::bitmapImage(kApplicationIcon)));

    const CreditLine lines[] = {
        {platform::text::AboutDeveloperRole, {69, 7, 138, 8}, Qt::AlignLeft},
        {platform::text::AboutDeveloperGroup, {94, 15, 113, 8}, Qt::AlignLeft},
        {platform::text::AboutDeveloperName, {145, 27, 62, 8}, Qt::AlignLeft},
        {platform::text::AboutAssistantRole, {69, 39, 138, 8}, Qt::AlignLeft},
        {platform::text::AboutAssistantGroup, {94, 47, 113, 8}, Qt::AlignLeft},
        {platform::text::AboutAssistantName, {152, 59, 55, 8}, Qt::AlignLeft},
        {platform::text::AboutThanksHeading, {7, 76, 200, 16}, Qt::AlignLeft},
        {platform::text::AboutTeacher1, {7, 96, 200, 8}, Qt::AlignLeft},
        {platform::text::AboutTeacher2, {7, 104, 200, 8}, Qt::AlignLeft},
        {platform::text::AboutTeacher3, {7, 112, 200, 8}, Qt::AlignLeft},
        {platform::text::AboutTeacher4, {7, 124, 200, 16}, Qt::AlignLeft},
        {platform::text::AboutTeacher5, {7, 140, 200, 8}, Qt::AlignLeft},
        {platform::text::AboutInitiator, {7, 156, 200, 16}, Qt::AlignHCenter},
        {platform::text::AboutPlaceAndYear, {86, 180, 44, 8}, Qt::AlignLeft},
    };
    for (const CreditLine& line : lines) {
        addStaticText(this, templateFont(), line.text, line.at, line.alignment);
    }
}

}  // namespace dialogs
