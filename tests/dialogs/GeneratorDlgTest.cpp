#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/GeneratorDlg.h"

using dialogs::CGeneratorDlg;

namespace {

struct GeneratorDialog {
    CGeneratorDlg dialog{nullptr};
    GeneratorDialog() {
        dialog.period = 1.0f;
        dialog.duty = 0.5f;
        dialog.delay = 0.0f;
    }
    QLineEdit* period() { return control<QLineEdit>(&dialog, "edit1006"); }
    QLineEdit* duty() { return control<QLineEdit>(&dialog, "edit1007"); }
    QLineEdit* delay() { return control<QLineEdit>(&dialog, "edit1009"); }
    void type(const char* period, const char* duty, const char* delay) {
        typeInto(this->period(), period);
        typeInto(this->duty(), duty);
        typeInto(this->delay(), delay);
    }
};

TEST(GeneratorDialog, OpensWithThePresetAndThePeriodSelected) {
    GeneratorDialog d;
    d.dialog.period = 2.5f;
    d.dialog.duty = 0.6f;
    ASSERT_TRUE(showActive(d.dialog));
    EXPECT_EQ(d.period()->text(), "2.5");
    EXPECT_EQ(d.duty()->text(), "0.6");
    EXPECT_EQ(d.delay()->text(), "0");
    EXPECT_EQ(QApplication::focusWidget(), d.period());
    EXPECT_EQ(d.period()->selectedText(), "2.5");
}

TEST(GeneratorDialog, AcceptsValuesWithinTheRangesIncludingTheBounds) {
    struct Case {
        const char* period;
        const char* duty;
        const char* delay;
        float expectedPeriod, expectedDuty, expectedDelay;
    };
    const Case cases[] = {
        {"2.5", "0.1", "0", 2.5f, 0.1f, 0.0f},  // a period need not be whole seconds
        {"1", "0.9", "5", 1.0f, 0.9f, 5.0f},
        {"5", "0.5", "0.7", 5.0f, 0.5f, 0.7f},
        {"2,5", " 0,3 ", "1e0", 2.5f, 0.3f, 1.0f},  // a decimal comma and blanks
        // Bounds are compared in single precision: this is 0.9 once stored.
        {"1", "0.900000001", "0", 1.0f, 0.9f, 0.0f},
    };
    for (const Case& c : cases) {
        MessageBoxWatcher boxes;
        GeneratorDialog d;
        ASSERT_TRUE(showActive(d.dialog));
        d.type(c.period, c.duty, c.delay);
        clickButton(&d.dialog, "ok");
        EXPECT_EQ(boxes.texts, QStringList());
        ASSERT_EQ(d.dialog.result(), QDialog::Accepted) << c.period << " " << c.duty;
        EXPECT_EQ(d.dialog.period, c.expectedPeriod);
        EXPECT_EQ(d.dialog.duty, c.expectedDuty);
        EXPECT_EQ(d.dialog.delay, c.expectedDelay);
    }
}

TEST(GeneratorDialog, RefusesAValueOutOfRangeOnItsOwnField) {
    struct Case {
        const char* period;
        const char* duty;
        const char* delay;
        int refusedField;  // 0 period, 1 duty, 2 delay
    };
    const Case cases[] = {
        {"2", "0.95", "0", 1},   {"0.5", "0.5", "0", 0}, {"2", "0.09", "0", 1},
        {"5.01", "0.5", "0", 0}, {"2", "0.5", "5.5", 2}, {"2", "0.5", "-0.1", 2},
        {"abc", "0.5", "0", 0},  {"2", "", "0", 1},      {"2", "0.5", "inf", 2},
        {"2", "nan", "0", 1},
    };
    for (const Case& c : cases) {
        MessageBoxWatcher boxes;
        GeneratorDialog d;
        ASSERT_TRUE(showActive(d.dialog));
        d.type(c.period, c.duty, c.delay);
        clickButton(&d.dialog, "ok");
        QLineEdit* fields[] = {d.period(), d.duty(), d.delay()};
        EXPECT_TRUE(isRefusedOn(d.dialog, fields[c.refusedField]))
            << c.period << " " << c.duty << " " << c.delay;
        EXPECT_EQ(boxes.texts.size(), 1);
        // Nothing is stored while any field is refused.
        EXPECT_EQ(d.dialog.period, 1.0f);
        EXPECT_EQ(d.dialog.duty, 0.5f);
        EXPECT_EQ(d.dialog.delay, 0.0f);
    }
}

TEST(GeneratorDialog, MessagesNameTheBounds) {
    MessageBoxWatcher boxes;
    GeneratorDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    d.type("2", "0.95", "0");
    clickButton(&d.dialog, "ok");
    typeInto(d.duty(), "x");
    clickButton(&d.dialog, "ok");
    EXPECT_EQ(boxes.texts, QStringList({"Введите число от 0.1 до 0.9.", "Введите число."}));
}

TEST(GeneratorDialog, EnterInAFieldAccepts) {
    GeneratorDialog d;
    ASSERT_TRUE(showActive(d.dialog));
    typeInto(d.delay(), "1.5");
    QTest::keyClick(d.delay(), Qt::Key_Return);
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(d.dialog.delay, 1.5f);
}

}  // namespace
