#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/FileNameDlg.h"
#include "dialogs/QuestionDlg.h"
#include "dialogs/WarningDlg.h"

using dialogs::CFileNameDlg;
using dialogs::CQuestionDlg;
using dialogs::CWarningDlg;

namespace {

TEST(FileNameDialog, ShowsTheLabelAndThePresetNameSelected) {
    CFileNameDlg dialog(nullptr);
    dialog.label = "Открыть файл:";
    dialog.fileName = "схема.vrt";
    ASSERT_TRUE(showActive(dialog));
    auto* label = control<QLineEdit>(&dialog, "edit1063");
    auto* name = control<QLineEdit>(&dialog, "edit1006");
    EXPECT_EQ(label->text(), "Открыть файл:");
    EXPECT_TRUE(label->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), name);
    EXPECT_EQ(name->selectedText(), "схема.vrt");
}

TEST(FileNameDialog, TakesTwentyFourCharactersAndRefusesTheTwentyFifth) {
    CFileNameDlg dialog(nullptr);
    ASSERT_TRUE(showActive(dialog));
    auto* name = control<QLineEdit>(&dialog, "edit1006");
    const QString twentyFour = "абвгдежзийклмнопрстуфхцч";  // Cyrillic: one character each
    ASSERT_EQ(twentyFour.size(), 24);
    typeInto(name, twentyFour + "щ");
    EXPECT_EQ(name->text(), twentyFour);
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_A);
    EXPECT_EQ(name->text(), twentyFour);
    clickButton(&dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileName, twentyFour);
}

// A path chosen with "Обзор..." goes into the field whole; a longer name pasted in
// is refused, not cut to its first 24 characters.
TEST(FileNameDialog, TakesAChosenPathWholeAndRefusesAPastedNameTooLong) {
    MessageBoxWatcher boxes;
    CFileNameDlg dialog(nullptr);
    ASSERT_TRUE(showActive(dialog));
    auto* name = control<QLineEdit>(&dialog, "edit1006");
    typeInto(name, "");
    const QString pasted = "лабораторная-работа-номер-3.vrt";
    name->insert(pasted);
    EXPECT_EQ(name->text(), pasted);
    clickButton(&dialog, "ok");
    EXPECT_TRUE(isRefusedOn(dialog, name));
    EXPECT_EQ(boxes.texts, QStringList{"Введите имя файла не длиннее 24 символов."});

    const QString chosen = QDir::temp().absoluteFilePath("схема-сумматора-на-вентилях.vrt");
    bool acted = false;
    whenModalOpens(
        [&](QDialog& chooser) {
            auto* files = qobject_cast<QFileDialog*>(&chooser);
            ASSERT_NE(files, nullptr);
            files->selectFile(chosen);
            chooser.accept();  // QFileDialog takes the selected file
        },
        acted);
    clickButton(&dialog, "browse");
    EXPECT_TRUE(acted);
    EXPECT_EQ(name->text(), chosen);
    clickButton(&dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileName, chosen);
}

TEST(FileNameDialog, RefusesAnEmptyName) {
    MessageBoxWatcher boxes;
    CFileNameDlg dialog(nullptr);
    dialog.fileName = "a";
    ASSERT_TRUE(showActive(dialog));
    auto* name = control<QLineEdit>(&dialog, "edit1006");
    typeInto(name, "");
    clickButton(&dialog, "ok");
    EXPECT_TRUE(isRefusedOn(dialog, name));
    EXPECT_EQ(boxes.texts, QStringList{"Введите имя файла."});
    EXPECT_EQ(dialog.fileName, "a");
    // Names are taken exactly as typed, blanks included.
    typeInto(name, " b c ");
    clickButton(&dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fileName, " b c ");
}

struct WarningDialog {
    CWarningDlg dialog{nullptr};
    WarningDialog() {
        dialog.line1 = "Внимание!!!";
        dialog.line2 = "При открытии файла";
        dialog.line3 = "вся несохраненная информация будет потеряна!";
    }
};

TEST(WarningDialog, ShowsThreeLinesAndTheTwoAnswers) {
    WarningDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    EXPECT_EQ(control<QLineEdit>(&d.dialog, "edit1006")->text(), "Внимание!!!");
    EXPECT_EQ(control<QLineEdit>(&d.dialog, "edit1007")->text(), "При открытии файла");
    EXPECT_EQ(control<QLineEdit>(&d.dialog, "edit1009")->text(),
              "вся несохраненная информация будет потеряна!");
    EXPECT_EQ(control<QPushButton>(&d.dialog, "ok")->text(), "Продолжить");
    EXPECT_EQ(control<QPushButton>(&d.dialog, "cancel")->text(), "Отказаться");
}

TEST(WarningDialog, EnterInAFreshDialogRefuses) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        WarningDialog d;
        ASSERT_TRUE(showActive(d.dialog));
        EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(&d.dialog, "cancel"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        EXPECT_FALSE(d.dialog.isVisible());
        EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    }
}

TEST(WarningDialog, ContinueAccepts) {
    WarningDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    clickButton(&d.dialog, "ok");
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
}

TEST(QuestionDialog, ShowsBothLinesAndEnterAccepts) {
    CQuestionDlg dialog(nullptr);
    dialog.line1 = "Изменить параметры";
    dialog.line2 = "логического элемента?";
    ASSERT_TRUE(showActive(dialog));
    auto* line1 = control<QLineEdit>(&dialog, "edit1006");
    auto* line2 = control<QLineEdit>(&dialog, "edit1007");
    EXPECT_EQ(line1->text(), "Изменить параметры");
    EXPECT_EQ(line2->text(), "логического элемента?");
    EXPECT_TRUE(line1->isReadOnly() && line2->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(&dialog, "ok"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
