#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "ShownWindowTest.h"
#include "app/Vortafrm.h"

namespace {

class MenuKeysTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        ShownWindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // The title of the menu open now, or nothing.
    static QString openMenu() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu ? menu->menuAction()->text() : QString();
    }
    static void closeMenus() {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
};

// With a Latin layout the keys carry Latin letters: Alt+G is Alt+П, and in the open
// menu J is О, as on a Russian keyboard.
TEST_F(MenuKeysTest, MenuLettersWorkWithALatinLayoutAndF10OrALoneAltOpenTheFirstMenu) {
    const struct {
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers;
        const char* opens = "";
    } kKeys[] = {
        {Qt::Key_G, Qt::AltModifier, "&Питание"},
        {Qt::Key_H, Qt::AltModifier, "П&равка"},
        {Qt::Key_A, Qt::AltModifier, "&Файл"},
        {Qt::Key_F10, Qt::NoModifier, "&Файл"},
    };
    for (const auto& press : kKeys) {
        QTest::keyClick(window.get(), press.key, press.modifiers);
        EXPECT_EQ(openMenu(), QString::fromUtf8(press.opens)) << press.opens;
        closeMenus();
    }
    // Alt alone puts the keyboard on the bar's first title (Qt's style does it).
    QTest::keyPress(window.get(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(window.get(), Qt::Key_Alt, Qt::NoModifier);
    const QAction* lit = window->menuBar()->activeAction();
    EXPECT_EQ(lit ? lit->text() : QString(), "&Файл") << "Alt alone";
    closeMenus();
    window->menuBar()->setActiveAction(nullptr);

    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    ASSERT_EQ(openMenu(), "&Питание");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D);  // "&Вкл."
    EXPECT_TRUE(window->core().isPowerOn());
    closeMenus();
}

}  // namespace
