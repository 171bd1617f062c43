#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "desktop/QtTexts.h"

namespace {

// The visible words of a menu entry: without its accelerator mark and its shortcut.
bool hasLatinLetters(const QString& text) {
    const QString words = text.section(QLatin1Char('\t'), 0, 0);
    return std::any_of(words.begin(), words.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    });
}

// The menus Qt builds by itself for a text field and a scroll bar speak Russian once
// the translation is in; without it they are English, as the check shows.
TEST(QtTexts, TheContextMenusOfTextFieldsAndScrollBarsAreRussian) {
    QLineEdit field(QStringLiteral("текст"));
    const auto englishMenu = std::unique_ptr<QMenu>(field.createStandardContextMenu());
    ASSERT_TRUE(hasLatinLetters(englishMenu->actions().front()->text()));

    QTranslator* translator = desktop::installRussianQtTexts(*QApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's Russian translation (qt6-translations-l10n)";
    const auto menu = std::unique_ptr<QMenu>(field.createStandardContextMenu());
    int entries = 0;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        EXPECT_FALSE(hasLatinLetters(action->text())) << action->text().toStdString();
        ++entries;
    }
    EXPECT_GE(entries, 6);  // undo, redo, cut, copy, paste, delete, select all
    const QString scrollHere = QApplication::translate("QScrollBar", "Scroll here");
    EXPECT_FALSE(hasLatinLetters(scrollHere)) << scrollHere.toStdString();

    QApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
