#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/DeleteConfirmDlg.h"

using dialogs::CDeleteConfirmDlg;

namespace {

// A stand-in for the work area: a top-level widget whose client origin is `origin`
// (frameless, so that no window frame shifts it).
struct ClientWindow {
    QWidget widget{nullptr, Qt::FramelessWindowHint};
    explicit ClientWindow(QPoint origin) {
        widget.setGeometry(QRect(origin, QSize(400, 300)));
        widget.show();
    }
};

QPoint openedCorner(ClientWindow& client, QPoint click) {
    CDeleteConfirmDlg dialog(&client.widget, &client.widget);
    dialog.anchorX = click.x();
    dialog.anchorY = click.y();
    if (!showActive(dialog)) return QPoint(-1, -1);
    return dialog.frameGeometry().topLeft();
}

TEST(DeleteConfirmDialog, OpensBelowAndRightOfTheClickOnTheScreen) {
    ClientWindow atOrigin(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&atOrigin.widget));
    EXPECT_EQ(openedCorner(atOrigin, QPoint(200, 100)), QPoint(205, 150));

    // The click is in client coordinates; the dialog follows the window.
    ClientWindow moved(QPoint(100, 50));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&moved.widget));
    EXPECT_EQ(openedCorner(moved, QPoint(200, 100)), QPoint(305, 200));
    EXPECT_EQ(openedCorner(moved, QPoint(0, 0)), QPoint(105, 100));
}

TEST(DeleteConfirmDialog, StaysOnTheScreenForAClickNearItsEdge) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ClientWindow client(screen.topLeft());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&client.widget));
    CDeleteConfirmDlg dialog(&client.widget, &client.widget);
    dialog.anchorX = screen.width() - 10;
    dialog.anchorY = screen.height() - 10;
    ASSERT_TRUE(showActive(dialog));
    EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << "the buttons stay in reach";
}

TEST(DeleteConfirmDialog, AsksTheQuestionAndAnswers) {
    for (const char* button : {"ok", "cancel"}) {
        CDeleteConfirmDlg dialog(nullptr, nullptr);
        ASSERT_TRUE(showActive(dialog));
        EXPECT_EQ(dialog.windowTitle(), "Удаление выделенных элементов");
        const QLabel* question = dialog.findChild<QLabel*>();
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->text(), "Удалить выделенные элементы?");
        clickButton(&dialog, button);
        EXPECT_EQ(dialog.result(), QString(button) == "ok" ? QDialog::Accepted : QDialog::Rejected);
    }
}

}  // namespace
