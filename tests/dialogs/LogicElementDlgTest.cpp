#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/LogicElementDlg.h"

using dialogs::CLogicElementDlg;

namespace {

struct LogicDialog {
    CLogicElementDlg dialog{nullptr};
    QLineEdit* count() { return control<QLineEdit>(&dialog, "edit1006"); }
    QCheckBox* invertedBox() { return control<QCheckBox>(&dialog, "check1010"); }
    QRadioButton* conjunctor() { return control<QRadioButton>(&dialog, "radio40008"); }
    QRadioButton* disjunctor() { return control<QRadioButton>(&dialog, "radio40009"); }
};

TEST(LogicElementDialog, OpensWithThePresetAndTheCountSelected) {
    LogicDialog d;
    d.dialog.isConjunction = false;
    d.dialog.inputCount = 7;
    d.dialog.inverted = true;
    ASSERT_TRUE(showActive(d.dialog));
    EXPECT_EQ(d.count()->text(), "7");
    EXPECT_EQ(d.count()->selectedText(), "7");
    EXPECT_EQ(QApplication::focusWidget(), d.count());
    EXPECT_TRUE(d.invertedBox()->isChecked());
    EXPECT_FALSE(d.conjunctor()->isChecked());
    EXPECT_TRUE(d.disjunctor()->isChecked());
    // The radio buttons sit at fixed pixels, the conjunctor with its text on the left.
    EXPECT_EQ(d.conjunctor()->geometry(), QRect(QPoint(11, 75), QPoint(110, 89)));
    EXPECT_EQ(d.disjunctor()->geometry(), QRect(QPoint(163, 75), QPoint(272, 89)));
    EXPECT_EQ(d.conjunctor()->layoutDirection(), Qt::RightToLeft);
}

TEST(LogicElementDialog, ANewGateStartsAsAConjunctorWithTwoInputs) {
    LogicDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    clickButton(&d.dialog, "ok");
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(d.dialog.isConjunction);
    EXPECT_EQ(d.dialog.inputCount, 2u);
    EXPECT_FALSE(d.dialog.inverted);
}

TEST(LogicElementDialog, AcceptsOneToNineInputs) {
    for (const char* typed : {"1", "9", " 5 "}) {
        MessageBoxWatcher boxes;
        LogicDialog d;
        ASSERT_TRUE(showActive(d.dialog));
        typeInto(d.count(), typed);
        clickButton(&d.dialog, "ok");
        EXPECT_EQ(boxes.texts, QStringList());
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(d.dialog.inputCount, QString(typed).trimmed().toUInt()) << typed;
    }
}

TEST(LogicElementDialog, RefusesCountsOutOfRangeOrNotNumbersAndStaysOpen) {
    for (const char* typed : {"0", "10", "abc", "", "-1", "2.5", "99999999999"}) {
        MessageBoxWatcher boxes;
        LogicDialog d;
        ASSERT_TRUE(showActive(d.dialog));
        typeInto(d.count(), typed);
        clickButton(&d.dialog, "ok");
        EXPECT_TRUE(isRefusedOn(d.dialog, d.count())) << typed;
        EXPECT_EQ(d.count()->text(), typed) << "the typed text stays for correcting";
        ASSERT_EQ(boxes.texts.size(), 1) << typed;
        EXPECT_EQ(d.dialog.inputCount, 2u) << "a refused value is not stored";
    }
}

TEST(LogicElementDialog, RangeMessageNamesTheBounds) {
    MessageBoxWatcher boxes;
    LogicDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    typeInto(d.count(), "10");
    clickButton(&d.dialog, "ok");
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0], "Введите целое число от 1 до 9.");
    // Corrected, the same dialog then accepts.
    typeInto(d.count(), "3");
    clickButton(&d.dialog, "ok");
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.dialog.inputCount, 3u);
}

TEST(LogicElementDialog, InvertedIsTheBoxStateAtOkHoweverOftenClicked) {
    for (bool preset : {false, true}) {
        for (int clicks = 0; clicks <= 3; ++clicks) {
            LogicDialog d;
            d.dialog.inverted = preset;
            ASSERT_TRUE(showActive(d.dialog));
            for (int i = 0; i < clicks; ++i) QTest::mouseClick(d.invertedBox(), Qt::LeftButton);
            const bool boxState = d.invertedBox()->isChecked();
            EXPECT_EQ(boxState, preset != (clicks % 2 == 1));
            clickButton(&d.dialog, "ok");
            EXPECT_EQ(d.dialog.inverted, boxState) << preset << " " << clicks;
        }
    }
}

TEST(LogicElementDialog, TheLastRadioClickedIsTheTypeAndOnlyOneIsChecked) {
    LogicDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    QTest::mouseClick(d.disjunctor(), Qt::LeftButton);
    EXPECT_FALSE(d.dialog.isConjunction);
    EXPECT_TRUE(d.disjunctor()->isChecked());
    EXPECT_FALSE(d.conjunctor()->isChecked());
    // A second click on the checked button keeps it checked.
    QTest::mouseClick(d.disjunctor(), Qt::LeftButton);
    EXPECT_TRUE(d.disjunctor()->isChecked());
    EXPECT_FALSE(d.dialog.isConjunction);
    QTest::mouseClick(d.conjunctor(), Qt::LeftButton);
    EXPECT_TRUE(d.dialog.isConjunction);
    EXPECT_TRUE(d.conjunctor()->isChecked());
    EXPECT_FALSE(d.disjunctor()->isChecked());
}

TEST(LogicElementDialog, UpDownStepsTheCountWithinOneToNine) {
    LogicDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    auto* up = control<QWidget>(&d.dialog, "up");
    auto* down = control<QWidget>(&d.dialog, "down");
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(d.count()->text(), "3");
    for (int i = 0; i < 10; ++i) QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(d.count()->text(), "9");
    for (int i = 0; i < 10; ++i) QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(d.count()->text(), "1");
    // The arrow keys in the field step it too.
    QTest::keyClick(d.count(), Qt::Key_Up);
    QTest::keyClick(d.count(), Qt::Key_Up);
    EXPECT_EQ(d.count()->text(), "3");
    QTest::keyClick(d.count(), Qt::Key_Down);
    EXPECT_EQ(d.count()->text(), "2");
    // From text that is no count, a step gives a valid one.
    typeInto(d.count(), "x");
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(d.count()->text(), "1");
    typeInto(d.count(), "4294967295");
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(d.count()->text(), "9");
}

TEST(LogicElementDialog, CancelKeepsTheFieldsAsTheyWere) {
    LogicDialog d;
    d.dialog.inputCount = 4;
    ASSERT_TRUE(showActive(d.dialog));
    typeInto(d.count(), "7");
    QTest::mouseClick(d.invertedBox(), Qt::LeftButton);
    clickButton(&d.dialog, "cancel");
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(d.dialog.inputCount, 4u);
    EXPECT_FALSE(d.dialog.inverted);
}

}  // namespace
