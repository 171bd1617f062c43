#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "ShownWindowTest.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "desktop/WorkAreaWidget.h"
#include "support/SampleCircuit.h"
#include "support/WindowCircuit.h"

namespace {

using platform::ScrollBarId;

using WindowShellTest = ShownWindowTest;

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box with `button` and remembers what it showed.
void answerNextBox(QObject* context, SeenBox& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, context, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(button)->click();
    });
}

TEST_F(WindowShellTest, MessageBoxesShowTheirTextCaptionAndButtons) {
    SeenBox plain;
    answerNextBox(window.get(), plain, QMessageBox::Ok);
    EXPECT_TRUE(window->messageBox("Таблица заполнена", "", platform::MessageBoxStyle::Ok));
    ASSERT_TRUE(plain.seen);
    EXPECT_EQ(plain.title, "lotra");
    EXPECT_EQ(plain.text, "Таблица заполнена");
    EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
    EXPECT_EQ(plain.buttons, QMessageBox::Ok);

    SeenBox question;
    answerNextBox(window.get(), question, QMessageBox::Cancel);
    EXPECT_FALSE(window->messageBox("Потеряны связи", platform::kErrorCaption,
                                    platform::MessageBoxStyle::OkCancelExclamation));
    ASSERT_TRUE(question.seen);
    EXPECT_EQ(question.title, "Ошибка");
    EXPECT_EQ(question.icon, QMessageBox::Warning);
    EXPECT_EQ(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    SeenBox accepted;
    answerNextBox(window.get(), accepted, QMessageBox::Ok);
    EXPECT_TRUE(window->messageBox("x", "", platform::MessageBoxStyle::OkCancelExclamation));
}

TEST_F(WindowShellTest, ScrollBarActionsScrollTheWorkAreaOnTheGrid) {
    QScrollBar& vertical = window->scrollBar(ScrollBarId::Vertical);
    QScrollBar& horizontal = window->scrollBar(ScrollBarId::Horizontal);
    const int height = window->workArea().height();
    const int page = 2 * (height / 3) / 5 * 5;

    vertical.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(window->core().viewport().scrollY, 5);
    EXPECT_EQ(vertical.value(), 5);
    vertical.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(window->core().viewport().scrollY, 5 + page);
    EXPECT_EQ(vertical.value(), 5 + page);
    vertical.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(window->core().viewport().scrollY, page);

    // Dragging the thumb sends its position; the offset lands on the grid.
    horizontal.setSliderDown(true);
    horizontal.setSliderPosition(1233);
    EXPECT_EQ(window->core().viewport().scrollX, 1235);
    EXPECT_EQ(horizontal.value(), 1235);
    horizontal.setSliderDown(false);
    EXPECT_EQ(window->core().viewport().scrollX, 1235);

    horizontal.triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(window->core().viewport().scrollX, 0);
    EXPECT_EQ(window->core().viewport().scrollY, page) << "the other direction stays";
}

TEST_F(WindowShellTest, PointerKeyStateBecomesTheMessageFlags) {
    using desktop::CWorkAreaWidget;
    EXPECT_EQ(CWorkAreaWidget::keyFlags(Qt::NoButton, Qt::NoModifier), 0u);
    EXPECT_EQ(CWorkAreaWidget::keyFlags(Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier),
              platform::MK_LBUTTON | platform::MK_SHIFT | platform::MK_CONTROL);
    EXPECT_EQ(CWorkAreaWidget::keyFlags(Qt::RightButton, Qt::AltModifier), 0u);
}

int countPixels(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == color ? 1 : 0;
    return count;
}

TEST_F(WindowShellTest, TheWorkAreaIsWhiteAndShowsLevelsOnceThePowerIsOn) {
    const SampleCircuit sample = giveSampleCircuit(window->core());
    const QImage unpowered =
        window->workArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(unpowered.pixel(400, 300), qRgb(255, 255, 255));
    window->core().OnCommand(command::PowerOn);
    const QImage powered =
        window->workArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Red ones and the red indicator number, blue zeros.
    EXPECT_GT(countPixels(powered, qRgb(255, 0, 0)), countPixels(unpowered, qRgb(255, 0, 0)));
    EXPECT_GT(countPixels(powered, qRgb(0, 0, 255)), countPixels(unpowered, qRgb(0, 0, 255)));
    const CLogicElement& indicator = *window->core().circuit().logicElements[sample.indicator];
    const QImage number = powered.copy(indicator.x, indicator.y, indicator.width, indicator.height);
    EXPECT_GT(countPixels(number, qRgb(255, 0, 0)), 10);
}

TEST_F(WindowShellTest, ARestoreRequestOnlyRestoresAMinimisedWindow) {
    window->showMaximized();
    window->restoreIfMinimized();
    EXPECT_TRUE(window->isMaximized()) << "a window that is not minimised is left as it is";
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    window->restoreIfMinimized();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
